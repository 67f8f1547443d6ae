#pragma once

#include <array>

namespace lumeta {

// The main window's client area and where each control sits in it, in twips.
inline constexpr double kClientWidth = 5160;
inline constexpr double kClientHeight = 5850;

struct ControlPlace {
    const char* name;
    double left;
    double top;
    double width;
    double height;
};

inline constexpr std::array<ControlPlace, 12> kControlPlaces = {{
    // Top row: file, puzzle number, navigation, create.
    {"cmdload", 30, 60, 315, 330},
    {"label4", 375, 60, 2040, 330},
    {"Label1", 2385, 60, 1470, 330},
    {"cmdarrow0", 3885, 60, 315, 330},
    {"cmdarrow1", 4200, 60, 315, 330},
    {"cmdarrow2", 4515, 60, 315, 330},
    {"cmdcreate", 4830, 60, 315, 330},
    // The board.
    {"Picture1", 30, 420, 5085, 5025},
    // Bottom row: show solution, status line, verify, undo.
    {"cmdshowsol", 30, 5490, 315, 330},
    {"Statx", 375, 5490, 4110, 330},
    {"cmdverify", 4515, 5490, 315, 330},
    {"cmdundo", 4830, 5490, 315, 330},
}};

// The pictures on the buttons are 240 twips square (16 pixels at 96 dpi).
inline constexpr double kButtonPictureTwips = 240;

}  // namespace lumeta
