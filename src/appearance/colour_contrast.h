#pragma once

#include <cstdint>

namespace lumeta {

// Text needs at least this contrast against its ground to be read comfortably (WCAG 2).
inline constexpr double kReadableContrast = 4.5;

// Relative luminance 0..1 of a stored colour value (red + 256 × green + 65536 × blue).
double RelativeLuminance(std::uint32_t colour);

// (lighter + 0.05) / (darker + 0.05): 1 for equal colours, 21 for black on white.
double ContrastRatio(std::uint32_t first, std::uint32_t second);

// How a colour looks to an eye missing one kind of cone, by the full-severity matrices of
// Machado, Oliveira and Fernandes (2009), applied in linear light.
enum class ColourVision { Normal, Protanopia, Deuteranopia, Tritanopia };
std::uint32_t SimulateVision(std::uint32_t colour, ColourVision vision);

}  // namespace lumeta
