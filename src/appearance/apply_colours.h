#pragma once

#include <cstdint>
#include <vector>

#include "controls/colour_scheme.h"
#include "view/board_appearance.h"

class QLabel;
class QMenuBar;
class QWidget;

namespace lumeta {

class BoardPicture;
class BoxControl;
class MsgForm;
struct WindowLook;

// The windows and controls that take the scheme's colours and the board font.
struct ColourTargets {
    QWidget* client = nullptr;  // the main window's client area
    BoardPicture* picture = nullptr;
    std::vector<BoxControl*> buttons;
    std::vector<QLabel*> labels;
    QMenuBar* menuBar = nullptr;
    MsgForm* msgForm = nullptr;
    // The print window, coloured like every dialog of the program (background, text boxes,
    // buttons) whenever the main window applies colours; none until it exists.
    QWidget* printWindow = nullptr;
};

// Puts the scheme and the board font on the main window, the message box and the print
// window. ButtonSlot becomes 4; an unset user button colour (slot 13 = 0) is taken from
// slot 4, and a set one (positive as a signed number) replaces slot 4. The menus are
// painted in slot 3 unless the scheme's name holds "DEFAULT" in any capitals. The board
// changes colour at its next drawing. Returns the look the windows took, for a window made
// later.
WindowLook ApplyColours(ColourScheme& scheme, BoardAppearance& appearance, std::uint32_t nearBlack,
                        const ColourTargets& targets);

// True when the scheme's name, upper-cased, holds "DEFAULT": such schemes leave the menus
// as they are.
bool KeepsMenuColours(const std::string& schemeName);

}  // namespace lumeta
