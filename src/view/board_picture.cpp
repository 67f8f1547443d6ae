#include "view/board_picture.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

#include "controls/input_codes.h"
#include "controls/twips.h"
#include "view/board_accessible.h"
#include "view/board_font.h"
#include "view/board_painter.h"

namespace lumeta {

BoardPicture::BoardPicture(QWidget* parent) : QWidget(parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(BoardAccessibleFactory);
        return true;
    }();
    (void)factoryInstalled;
    setObjectName("Picture1");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setFont(BoardFont(BoardAppearance{}));
    const TwipsPerPixel scale = ScreenTwipsPerPixel(QGuiApplication::primaryScreen());
    SetTwipsPerPixel(scale.x, scale.y);
}

void BoardPicture::SetTwipsPerPixel(int twipsPerPixelX, int twipsPerPixelY) {
    twipsPerPixelX_ = std::max(1, twipsPerPixelX);
    twipsPerPixelY_ = std::max(1, twipsPerPixelY);
    setFixedSize(RoundHalfEven(static_cast<double>(extent_.width) / twipsPerPixelX_),
                 RoundHalfEven(static_cast<double>(extent_.height) / twipsPerPixelY_));
    FitImage();
    update();
}

void BoardPicture::SetExtent(PictureExtent extent) {
    extent_ = extent;
    SetTwipsPerPixel(twipsPerPixelX_, twipsPerPixelY_);
}

void BoardPicture::DrawBoard(const BoardLayout& layout, const PuzzleState& puzzle,
                             const BoardGeometry& geometry, const BoardAppearance& appearance,
                             int showSolution) {
    FitImage();
    QPainter painter(&image_);
    lumeta::DrawBoard(painter, BoardScene{layout, puzzle, geometry, appearance, font(), palette()},
                      showSolution);
    painter.end();
    drawn_ = true;
    update();
    if (showSolution != 1) AnnounceChanges();
}

void BoardPicture::SetBackColour(std::uint32_t colour) {
    backColour_ = colour;
    if (drawn_) return;
    image_ = QImage();
    FitImage();
    update();
}

void BoardPicture::SetModel(const BoardLayout* layout, const PuzzleState* puzzle,
                            const BoardGeometry* geometry, const Selection* selection) {
    layout_ = layout;
    puzzle_ = puzzle;
    geometry_ = geometry;
    selection_ = selection;
    announced_.clear();
}

int BoardPicture::SelectedIndex() const {
    if (!layout_ || !selection_ || !selection_->HasCell()) return -1;
    return ReadingIndexOf(*layout_, selection_->CurRow, selection_->CurCol);
}

void BoardPicture::AnnounceSelection() {
    const int index = SelectedIndex();
    // The reader is on that compartment already: a pointer moving within it tells nothing.
    if (index < 0 || index == toldFocus_) return;
    QAccessibleEvent selected(this, QAccessible::Selection);
    selected.setChild(index);
    TellReader(selected);
    // Just given the focus, the board tells the reader once that focus event is out.
    if (!focusPending_) AnnounceFocus();
}

void BoardPicture::AnnounceFocus() {
    focusPending_ = false;
    const int index = SelectedIndex();
    if (index < 0 || !hasFocus()) return;
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(index);
    TellReader(focus);
    toldFocus_ = index;
}

void BoardPicture::AnnounceChanges() {
    if (!layout_ || !puzzle_) return;
    const int count = ReadingCellCount(*layout_);
    announced_.resize(count);
    std::vector<int> changed;
    for (int index = 0; index < count; ++index) {
        QString value = ReadCell(*layout_, *puzzle_, index).value;
        if (value == announced_[index]) continue;
        announced_[index] = std::move(value);
        changed.push_back(index);
    }
    // A typed digit or an undo changes one compartment and is told at once; a new or reset
    // board is read by walking it, from whichever compartment is selected next.
    if (changed.size() > 1) toldFocus_ = -1;
    if (changed.size() != 1) return;
    // The description first: a reader speaks the cell on the value change and must not
    // read its old "empty, to fill" or "your entry" from its cache.
    QAccessibleEvent description(this, QAccessible::DescriptionChanged);
    description.setChild(changed[0]);
    TellReader(description);
    QAccessibleValueChangeEvent value(this, announced_[changed[0]].toInt());
    value.setChild(changed[0]);
    TellReader(value);
}

QColor BoardPicture::InitialBackground() const {
    return ColourFromValue(backColour_, palette());
}

void BoardPicture::FitImage() {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    if (!image_.isNull() && image_.size() == pixels && image_.devicePixelRatio() == ratio) return;

    QImage fitted(pixels, QImage::Format_ARGB32_Premultiplied);
    fitted.setDevicePixelRatio(ratio);
    fitted.fill(image_.isNull() ? InitialBackground() : image_.pixelColor(0, 0));
    if (!image_.isNull()) {
        // What was drawn stays, at its place in logical pixels, until the next drawing.
        QPainter painter(&fitted);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QPointF(0, 0), image_);
    }
    image_ = std::move(fitted);
}

void BoardPicture::paintEvent(QPaintEvent* event) {
    FitImage();
    QPainter painter(this);
    painter.drawImage(event->rect(), image_,
                      QRectF(QPointF(event->rect().topLeft()) * image_.devicePixelRatio(),
                             QSizeF(event->rect().size()) * image_.devicePixelRatio()));
    if (markerVisible_)
        painter.fillRect(MarkerRectPixels(), ColourFromValue(markerColour_, palette()));
    if (hasFocus()) {
        // The keyboard is here: a dotted frame round the picture, in the marker's colour.
        painter.setPen(QPen(ColourFromValue(markerColour_, palette()), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(0.5, 0.5, width() - 1, height() - 1));
    }
}

void BoardPicture::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
    // Qt tells the reader the whole board took the focus after this returns; the selected
    // compartment is told after that, so the reader lands on it and follows its digit.
    focusPending_ = true;
    toldFocus_ = -1;
    QMetaObject::invokeMethod(this, &BoardPicture::AnnounceFocus, Qt::QueuedConnection);
}

void BoardPicture::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
    toldFocus_ = -1;
}

void BoardPicture::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FitImage();
}

void BoardPicture::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    emit MouseMove(MouseButtonCode(event->buttons()), ShiftCode(event->modifiers()),
                   at.x() * twipsPerPixelX_, at.y() * twipsPerPixelY_);
    QWidget::mouseMoveEvent(event);
}

void BoardPicture::SetMarkerSize(double widthTwips, double heightTwips) {
    marker_.setSize(QSizeF(widthTwips, heightTwips));
    if (markerVisible_) update();
}

void BoardPicture::SetMarkerColour(std::uint32_t colour) {
    markerColour_ = colour;
    if (markerVisible_) update();
}

void BoardPicture::MoveMarker(double leftTwips, double topTwips) {
    marker_.moveTopLeft(QPointF(leftTwips, topTwips));
    if (markerVisible_) update();
}

void BoardPicture::ShowMarker() {
    if (markerVisible_) return;
    markerVisible_ = true;
    update();
}

void BoardPicture::HideMarker() {
    if (!markerVisible_) return;
    markerVisible_ = false;
    update();
}

QRect BoardPicture::MarkerRectPixels() const {
    return QRect(RoundHalfEven(marker_.left() / twipsPerPixelX_),
                 RoundHalfEven(marker_.top() / twipsPerPixelY_),
                 RoundHalfEven(marker_.width() / twipsPerPixelX_),
                 RoundHalfEven(marker_.height() / twipsPerPixelY_));
}

void PrepareGeometry(BoardGeometry& geometry, const BoardLayout& layout, BoardPicture& picture) {
    const int tx = picture.TwipsPerPixelX();
    const int ty = picture.TwipsPerPixelY();
    PrepareGeometry(geometry, layout, tx, ty, BoardTextExtent(picture.font(), tx, ty));
    picture.SetMarkerSize(geometry.MarkerWidth, geometry.MarkerHeight);
}

}  // namespace lumeta
