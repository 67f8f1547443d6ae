#include "appearance/colour_contrast.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "appearance/colour_parts.h"

namespace lumeta {

namespace {

int RedPart(std::uint32_t colour) {
    return PartsOf(colour).red;
}
int GreenPart(std::uint32_t colour) {
    return PartsOf(colour).green;
}
int BluePart(std::uint32_t colour) {
    return PartsOf(colour).blue;
}

double ToLinear(int component) {
    const double c = component / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

int FromLinear(double linear) {
    const double c = std::clamp(linear, 0.0, 1.0);
    const double encoded = c <= 0.0031308 ? c * 12.92 : 1.055 * std::pow(c, 1 / 2.4) - 0.055;
    return static_cast<int>(std::lround(encoded * 255));
}

using Matrix = std::array<std::array<double, 3>, 3>;
constexpr Matrix kProtanopia = {{{0.152286, 1.052583, -0.204868},
                                 {0.114503, 0.786281, 0.099216},
                                 {-0.003882, -0.048116, 1.051998}}};
constexpr Matrix kDeuteranopia = {{{0.367322, 0.860646, -0.227968},
                                   {0.280085, 0.672501, 0.047413},
                                   {-0.011820, 0.042940, 0.968881}}};
constexpr Matrix kTritanopia = {{{1.255528, -0.076749, -0.178779},
                                 {-0.078411, 0.930809, 0.147602},
                                 {0.004733, 0.691367, 0.303900}}};

}  // namespace

double RelativeLuminance(std::uint32_t colour) {
    return 0.2126 * ToLinear(RedPart(colour)) + 0.7152 * ToLinear(GreenPart(colour)) +
           0.0722 * ToLinear(BluePart(colour));
}

double ContrastRatio(std::uint32_t first, std::uint32_t second) {
    const double a = RelativeLuminance(first);
    const double b = RelativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

std::uint32_t SimulateVision(std::uint32_t colour, ColourVision vision) {
    const Matrix* matrix = vision == ColourVision::Protanopia     ? &kProtanopia
                           : vision == ColourVision::Deuteranopia ? &kDeuteranopia
                           : vision == ColourVision::Tritanopia   ? &kTritanopia
                                                                  : nullptr;
    if (!matrix) return colour;
    const std::array<double, 3> in = {ToLinear(RedPart(colour)), ToLinear(GreenPart(colour)),
                                      ToLinear(BluePart(colour))};
    std::array<int, 3> out{};
    for (int row = 0; row < 3; ++row)
        out[row] = FromLinear((*matrix)[row][0] * in[0] + (*matrix)[row][1] * in[1] +
                              (*matrix)[row][2] * in[2]);
    return ComposeColour(out[0], out[1], out[2]);
}

}  // namespace lumeta
