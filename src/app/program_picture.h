#pragma once

#include <QPixmap>

class QWidget;

namespace lumeta {

// The program's picture, as the desktop's icon shows it: 256 pixels square, or the 48 that
// title bars and task lists need.
QPixmap ProgramPicture(int size = 256);

// The window's icon: the small picture at once, the large one (five times the decoding
// work) after the window's first picture is on the screen.
void SetProgramIcon(QWidget& window);

}  // namespace lumeta
