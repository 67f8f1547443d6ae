#pragma once

#include <array>
#include <cstdint>

namespace lumeta {

// Ready-made board colours the options dialog offers in one click. Each keeps every digit
// readable (4.5 : 1 or more) on the hexagon fill, also as an eye without red, green or
// blue cones sees it; clue and entry digits differ by weight besides colour.
struct BoardPreset {
    const char* name;
    std::uint32_t border, fixed, grid, user, fill;  // in the order of the dialog's swatches
};

namespace preset_colour {
constexpr std::uint32_t Rgb(int red, int green, int blue) {
    return static_cast<std::uint32_t>(red | green << 8 | blue << 16);
}
}  // namespace preset_colour

inline constexpr std::array<BoardPreset, 2> kBoardPresets = {{
    {"Light board", preset_colour::Rgb(0, 0, 0), preset_colour::Rgb(0, 0, 0),
     preset_colour::Rgb(96, 96, 96), preset_colour::Rgb(0, 70, 160),
     preset_colour::Rgb(255, 255, 255)},
    {"Dark board", preset_colour::Rgb(200, 200, 210), preset_colour::Rgb(255, 214, 102),
     preset_colour::Rgb(110, 110, 120), preset_colour::Rgb(140, 200, 255),
     preset_colour::Rgb(28, 30, 36)},
}};

}  // namespace lumeta
