#include "view/entry_marks.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>

namespace lumeta {

EntryMarks::EntryMarks(QWidget* picture, const PuzzleState& puzzle, const BoardGeometry& geometry)
    : QWidget(picture), puzzle_(puzzle), geometry_(geometry) {
    setObjectName(QStringLiteral("EntryMarks"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(picture->rect());
    picture->installEventFilter(this);
}

void EntryMarks::Mark(std::vector<GridCell> cells) {
    cells_ = std::move(cells);
    markedOn_ = puzzle_;
    raise();
    show();
    update();
}

const std::vector<GridCell>& EntryMarks::Marked() {
    if (!cells_.empty() &&
        (puzzle_.Entry != markedOn_.Entry || puzzle_.Solution != markedOn_.Solution))
        cells_.clear();
    return cells_;
}

bool EntryMarks::eventFilter(QObject* watched, QEvent* event) {
    // The picture repaints after every change of the board: look again then.
    if (watched == parent() &&
        (event->type() == QEvent::Paint || event->type() == QEvent::Resize)) {
        setGeometry(parentWidget()->rect());
        update();
    }
    return false;
}

void EntryMarks::paintEvent(QPaintEvent*) {
    if (Marked().empty()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(220, 0, 0), 2));
    painter.setBrush(Qt::NoBrush);
    const double perPixelX = geometry_.TwipsPerPixelX > 0 ? geometry_.TwipsPerPixelX : 15;
    const double perPixelY = geometry_.TwipsPerPixelY > 0 ? geometry_.TwipsPerPixelY : 15;
    for (const GridCell& cell : cells_) {
        const double left = geometry_.CellX[cell.row][cell.col];
        const double top = geometry_.CellY[cell.row][cell.col];
        const QRectF box(left / perPixelX, top / perPixelY,
                         (geometry_.CellX[cell.row][cell.col + 1] - left) / perPixelX,
                         (geometry_.CellY[cell.row + 1][cell.col] - top) / perPixelY);
        const double r = std::min(box.width(), box.height()) * 0.42;
        painter.drawEllipse(box.center(), r, r);
    }
}

}  // namespace lumeta
