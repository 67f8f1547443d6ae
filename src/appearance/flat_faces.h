#pragma once

class QWidget;

namespace lumeta {

// Buttons, frames and menus of the program's windows show their palette's colours as flat
// faces: a button its button colour, a frame and a menu the window colour, whatever
// shading the desktop's style would add. Set on `window` and every such control in it.
void UseFlatFaces(QWidget& window);

}  // namespace lumeta
