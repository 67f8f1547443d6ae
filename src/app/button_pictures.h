#pragma once

#include <QPixmap>
#include <QRectF>

class QPainter;

namespace lumeta {

// The pictures on the main window's picture buttons, drawn as shapes in one style: a dark
// blue outline around light fills with a warm accent.
enum class ButtonPicture {
    OpenFile,      // an open folder
    Previous,      // an arrow head pointing left
    Random,        // a die
    Next,          // an arrow head pointing right
    Create,        // a hexagon with a plus
    ShowSolution,  // an eye
    Undo,          // an arrow turning back
};

void PaintButtonPicture(QPainter& painter, const QRectF& area, ButtonPicture picture);

// The picture, `size` logical pixels square at the given device pixel ratio. A picture for
// a command that is not available is drawn faded and grey.
QPixmap ButtonPicturePixmap(ButtonPicture picture, int size, qreal devicePixelRatio = 1.0,
                            bool available = true);

}  // namespace lumeta
