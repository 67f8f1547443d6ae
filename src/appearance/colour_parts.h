#pragma once

#include <cstdint>

namespace lumeta {

// Colours are red + 256 × green + 65536 × blue; these helpers take them apart and put them
// together without any toolkit, so the scheme file code can use them too.
struct ColourParts {
    int red = 0;
    int green = 0;
    int blue = 0;
};

// The components as the program takes them: red = colour mod 256, green = (colour div 256)
// mod 256, blue = (colour div 65536) mod 256.
ColourParts PartsOf(std::uint32_t colour);

// The colour of three components; a component above 255 counts as 255, one below 0 as 0.
std::uint32_t ComposeColour(int red, int green, int blue);

// The colour darkened: each component × amount / 256.
std::uint32_t clrBlackness(std::uint32_t colour, int amount);
// The colour lightened: each component c becomes c + (255 − c) × (256 − amount) / 256.
std::uint32_t clrWhiteness(std::uint32_t colour, int amount);

// The button colour one step lighter (step +10) or darker (−10), each component kept
// within 10..255.
std::uint32_t AdjustedButtonColour(std::uint32_t colour, int step);

}  // namespace lumeta
