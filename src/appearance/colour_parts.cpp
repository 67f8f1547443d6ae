#include "appearance/colour_parts.h"

#include <algorithm>
#include <cmath>

namespace lumeta {

namespace {

// Nearest whole number, a half going to the even neighbour.
int RoundEven(float value) {
    return static_cast<int>(std::nearbyint(value));
}

}  // namespace

ColourParts PartsOf(std::uint32_t colour) {
    return {static_cast<int>(colour % 256), static_cast<int>((colour / 256) % 256),
            static_cast<int>((colour / 65536) % 256)};
}

std::uint32_t ComposeColour(int red, int green, int blue) {
    const auto part = [](int value) {
        return static_cast<std::uint32_t>(std::clamp(value, 0, 255));
    };
    return part(red) | (part(green) << 8) | (part(blue) << 16);
}

std::uint32_t clrBlackness(std::uint32_t colour, int amount) {
    // The factor is single precision, as the shades have always been computed.
    const float factor = static_cast<float>(amount) / 256.0f;
    const ColourParts c = PartsOf(colour);
    return ComposeColour(RoundEven(c.red * factor), RoundEven(c.green * factor),
                         RoundEven(c.blue * factor));
}

std::uint32_t clrWhiteness(std::uint32_t colour, int amount) {
    const float factor = static_cast<float>(256 - amount) / 256.0f;
    const ColourParts c = PartsOf(colour);
    const auto lighten = [factor](int part) { return RoundEven(part + (255 - part) * factor); };
    return ComposeColour(lighten(c.red), lighten(c.green), lighten(c.blue));
}

std::uint32_t AdjustedButtonColour(std::uint32_t colour, int step) {
    const ColourParts c = PartsOf(colour);
    const auto adjust = [step](int part) { return std::clamp(part + step, 10, 255); };
    return ComposeColour(adjust(c.red), adjust(c.green), adjust(c.blue));
}

}  // namespace lumeta
