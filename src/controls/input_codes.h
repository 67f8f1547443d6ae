#pragma once

#include <Qt>

class QKeyEvent;

namespace lumeta {

// Keys, mouse buttons and shift keys as the program's events carry them: buttons 1 left,
// 2 right, 4 middle; shift 1 shift, 2 control, 4 alt; added up when several are down.
int MouseButtonCode(Qt::MouseButtons buttons);
int ShiftCode(Qt::KeyboardModifiers modifiers);

// The classic virtual key number of a key (65 for A, 37 for the left arrow, ...); 0 for a
// key that has none.
int VirtualKeyCode(const QKeyEvent& event);

}  // namespace lumeta
