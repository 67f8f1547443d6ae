#pragma once

#include <cstdint>
#include <string>

#include "controls/colour_value.h"

namespace lumeta {

// How the board looks. The options dialog edits these, the configuration file keeps
// them, and every DrawBoard reads them afresh. Colours are stored values
// (red + 256 × green + 65536 × blue).
struct BoardAppearance {
    std::uint32_t BorderColour = RGBValue(0, 0, 0);         // outline and selection marker
    std::uint32_t FixedColour = RGBValue(255, 0, 0);        // given digits, shown solution
    std::uint32_t GridColour = RGBValue(0, 0, 0);           // compartment dividers
    std::uint32_t UserColour = RGBValue(128, 0, 0);         // the player's digits
    std::uint32_t HexFillColour = RGBValue(255, 255, 255);  // inside of the hexagons
    int BorderWidth = 2;                                    // outline pen, pixels
    std::string BoardFontName = "Arial";
    int BoardFontSize = 10;  // points
    int HexShrink = 0;       // percent 0..10 the hexagons are scaled down by
    // The picture's background: the scheme's window colour once a scheme is applied,
    // the system button face until then.
    std::uint32_t BackColour = kSystemColourBit | 15u;
};

}  // namespace lumeta
