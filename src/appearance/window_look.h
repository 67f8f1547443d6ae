#pragma once

#include <QPalette>
#include <cstdint>

#include "controls/colour_scheme.h"

class QMenuBar;
class QWidget;

namespace lumeta {

// What a window of the program takes from the scheme: the background (slot 2), the button
// face (slot ButtonSlot) and the text colour that goes with them.
struct WindowLook {
    std::uint32_t background = 0;
    std::uint32_t button = 0;
    std::uint32_t text = 0;
};

WindowLook SchemeLook(const ColourScheme& scheme, std::uint32_t textColour);

// `base` with the look's colours: the window, lists and text boxes in the background, the
// buttons in the button face. Text takes the look's colour wherever its ground is a scheme
// colour, so a dark desktop's light text never lands on a light scheme; on a system colour
// the system's own text colour stays.
QPalette LookPalette(const WindowLook& look, const QPalette& base);

// Colours a dialog-like window and everything in it: background and text as LookPalette,
// the program's buttons and the text boxes in the button face; buttons and frames flat.
void ColourWindow(QWidget& window, const WindowLook& look);

// Paints the menu bar and every menu and submenu under it one solid colour, with text that
// can be read on it.
void SetMenuColour(QMenuBar& menuBar, std::uint32_t colour, std::uint32_t textColour);

}  // namespace lumeta
