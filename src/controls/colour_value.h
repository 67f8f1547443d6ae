#pragma once

#include <QColor>
#include <QPalette>
#include <cstdint>

namespace lumeta {

// Colours are stored as red + 256 × green + 65536 × blue. A value with the high bit set
// names a system colour by its index (0x80000000 + index); those follow the palette.
constexpr std::uint32_t kSystemColourBit = 0x80000000u;

constexpr std::uint32_t RGBValue(int red, int green, int blue) {
    return static_cast<std::uint32_t>(red) | (static_cast<std::uint32_t>(green) << 8) |
           (static_cast<std::uint32_t>(blue) << 16);
}

// The colour a stored value stands for. System colours are resolved through `palette`
// (the application's palette when none is given).
QColor ColourFromValue(std::uint32_t value, const QPalette& palette = QPalette());

// The stored value of an ordinary colour.
std::uint32_t ValueFromColour(const QColor& colour);

}  // namespace lumeta
