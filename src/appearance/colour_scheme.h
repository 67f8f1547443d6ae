#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace lumeta {

// The window colours of the current scheme: 14 colours in the red + 256 × green +
// 65536 × blue form (a value with the high bit set names a system colour). Slot 2 is
// every window's background, slot 4 the button face, slot 13 the user's own button colour
// (0 when unset). All button colouring goes through ButtonSlot.
struct ColourScheme {
    std::array<std::uint32_t, 14> SchemeColours{};
    int ButtonSlot = 0;
    std::string SchemeName = "xp.col";

    std::uint32_t ButtonColour() const { return SchemeColours[ButtonSlot]; }
};

}  // namespace lumeta
