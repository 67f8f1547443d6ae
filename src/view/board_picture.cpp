#include "view/board_picture.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

#include "controls/input_codes.h"
#include "controls/twips.h"
#include "view/board_font.h"
#include "view/board_painter.h"

namespace lumeta {

BoardPicture::BoardPicture(QWidget* parent) : QWidget(parent) {
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
    setFixedSize(RoundHalfEven(static_cast<double>(kWidthTwips) / twipsPerPixelX_),
                 RoundHalfEven(static_cast<double>(kHeightTwips) / twipsPerPixelY_));
    FitImage();
    update();
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
}

void BoardPicture::SetBackColour(std::uint32_t colour) {
    backColour_ = colour;
    if (drawn_) return;
    image_ = QImage();
    FitImage();
    update();
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
