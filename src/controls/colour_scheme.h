#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace lumeta {

// The scheme table: 14 colours in the red + 256 × green + 65536 × blue form (a value with
// the high bit set names a system colour, 0x80000000 + its index).
using SchemeSlots = std::array<std::uint32_t, 14>;

inline constexpr int kBackgroundSlot = 2;   // every window's background
inline constexpr int kMenuSlot = 3;         // the main window's menu bar
inline constexpr int kButtonFaceSlot = 4;   // the button face
inline constexpr int kUserButtonSlot = 13;  // the user's own button colour, 0 when unset

// The window colours of the current scheme. All button colouring goes through ButtonSlot.
// Until a scheme is loaded the windows keep the system's colours (button face for
// backgrounds and buttons, the menu colour for the menu bar), so a missing scheme file
// never leaves them black.
struct ColourScheme {
    SchemeSlots SchemeColours{0, 0, 0x8000000Fu, 0x80000004u, 0x8000000Fu};
    int ButtonSlot = kButtonFaceSlot;
    std::string SchemeName = "xp.col";
    // The scheme's own text colour, for schemes that name one (dark ones); the others keep
    // the program's near-black text.
    std::optional<std::uint32_t> TextColour;

    std::uint32_t ButtonColour() const { return SchemeColours[ButtonSlot]; }
    std::uint32_t Background() const { return SchemeColours[kBackgroundSlot]; }
};

}  // namespace lumeta
