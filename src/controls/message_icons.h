#pragma once

#include <QPixmap>
#include <QRectF>

class QPainter;

namespace lumeta {

// The message box's pictures, by icon slot: 0 question, 1 exclamation, 2 information,
// 3 error, 4 critical, 5 happy face, 6 wastebasket, 7 printer, 8 lit lamp. Slots 9 and 10
// have no picture. Drawn as shapes, so they stay sharp at any size.
void PaintMessageIcon(QPainter& painter, const QRectF& area, int slot);

// The picture of a slot, `size` logical pixels square at the given device pixel ratio;
// a transparent pixmap for the slots without a picture.
QPixmap MessageIconPixmap(int slot, int size = 32, qreal devicePixelRatio = 1.0);

}  // namespace lumeta
