#pragma once

#include <Qt>

namespace lumeta {

// Mouse buttons and shift keys as the program's events carry them: buttons 1 left,
// 2 right, 4 middle; shift 1 shift, 2 control, 4 alt; added up when several are down.
int MouseButtonCode(Qt::MouseButtons buttons);
int ShiftCode(Qt::KeyboardModifiers modifiers);

}  // namespace lumeta
