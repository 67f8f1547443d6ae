#pragma once

#include <Qt>

namespace lumeta {

// The frame of the program's dialogs and boxes: a title and a close box, nothing to
// minimise or maximise. Without the customise hint window managers add their own buttons.
inline Qt::WindowFlags DialogFrame() {
    return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
}

}  // namespace lumeta
