#include "app/button_pictures.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

namespace lumeta {

namespace {

// The shared palette of the pictures.
const QColor kOutline(0x1f, 0x3b, 0x63);
const QColor kFill(0x4a, 0x8f, 0xd9);
const QColor kLight(0xff, 0xff, 0xff);
const QColor kAccent(0xf0, 0xb0, 0x30);
const QColor kAccentLight(0xfa, 0xd7, 0x7a);

QPen OutlinePen(double width = 1.1) {
    QPen pen(kOutline, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

// Every picture is drawn on a 16 × 16 grid.
void PaintFolder(QPainter& p) {
    QPainterPath back;
    back.moveTo(1.5, 3.5);
    back.lineTo(6, 3.5);
    back.lineTo(7.5, 5);
    back.lineTo(13.5, 5);
    back.lineTo(13.5, 13);
    back.lineTo(1.5, 13);
    back.closeSubpath();
    p.setPen(OutlinePen());
    p.setBrush(kAccent);
    p.drawPath(back);

    QPolygonF front;
    front << QPointF(3.5, 7.5) << QPointF(15, 7.5) << QPointF(13, 13) << QPointF(1.5, 13);
    p.setBrush(kAccentLight);
    p.drawPolygon(front);
}

void PaintArrowHead(QPainter& p, bool pointsLeft) {
    QPolygonF head;
    if (pointsLeft)
        head << QPointF(3, 8) << QPointF(12, 2.5) << QPointF(12, 13.5);
    else
        head << QPointF(13, 8) << QPointF(4, 2.5) << QPointF(4, 13.5);
    p.setPen(OutlinePen());
    p.setBrush(kFill);
    p.drawPolygon(head);
}

void PaintDie(QPainter& p) {
    p.setPen(OutlinePen());
    p.setBrush(kLight);
    p.drawRoundedRect(QRectF(2, 2, 12, 12), 2.5, 2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    for (const QPointF& pip :
         {QPointF(5, 5), QPointF(11, 5), QPointF(8, 8), QPointF(5, 11), QPointF(11, 11)})
        p.drawEllipse(pip, 1.15, 1.15);
}

void PaintHexagonPlus(QPainter& p) {
    // The board's hexagon: flat top and bottom, pointed left and right.
    QPolygonF hexagon;
    hexagon << QPointF(4.5, 2) << QPointF(11.5, 2) << QPointF(15, 8) << QPointF(11.5, 14)
            << QPointF(4.5, 14) << QPointF(1, 8);
    p.setPen(OutlinePen());
    p.setBrush(kLight);
    p.drawPolygon(hexagon);

    QPen plus(kAccent, 2.4);
    plus.setCapStyle(Qt::RoundCap);
    p.setPen(plus);
    p.drawLine(QPointF(8, 5), QPointF(8, 11));
    p.drawLine(QPointF(5, 8), QPointF(11, 8));
}

void PaintEye(QPainter& p) {
    QPainterPath eye;
    eye.moveTo(0.8, 8);
    eye.quadTo(8, 0.5, 15.2, 8);
    eye.quadTo(8, 15.5, 0.8, 8);
    p.setPen(OutlinePen());
    p.setBrush(kLight);
    p.drawPath(eye);
    p.setBrush(kFill);
    p.drawEllipse(QPointF(8, 8), 3.2, 3.2);
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    p.drawEllipse(QPointF(8, 8), 1.4, 1.4);
}

void PaintUndoArrow(QPainter& p) {
    // A thick arc from the lower right round the top to the left, ending in an arrow head.
    QPainterPath arc;
    arc.moveTo(12.5, 12.5);
    arc.arcTo(QRectF(4, 3.5, 10, 9), -60, 200);
    QPen body(kOutline, 3.6);
    body.setCapStyle(Qt::RoundCap);
    p.setPen(body);
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    QPen inner(kFill, 1.6);
    inner.setCapStyle(Qt::RoundCap);
    p.setPen(inner);
    p.drawPath(arc);

    QPolygonF head;
    head << QPointF(0.8, 7.5) << QPointF(8, 6) << QPointF(4.2, 12.5);
    p.setPen(OutlinePen());
    p.setBrush(kFill);
    p.drawPolygon(head);
}

}  // namespace

void PaintButtonPicture(QPainter& painter, const QRectF& area, ButtonPicture picture) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(area.topLeft());
    painter.scale(area.width() / 16.0, area.height() / 16.0);
    switch (picture) {
        case ButtonPicture::OpenFile:
            PaintFolder(painter);
            break;
        case ButtonPicture::Previous:
            PaintArrowHead(painter, true);
            break;
        case ButtonPicture::Random:
            PaintDie(painter);
            break;
        case ButtonPicture::Next:
            PaintArrowHead(painter, false);
            break;
        case ButtonPicture::Create:
            PaintHexagonPlus(painter);
            break;
        case ButtonPicture::ShowSolution:
            PaintEye(painter);
            break;
        case ButtonPicture::Undo:
            PaintUndoArrow(painter);
            break;
    }
    painter.restore();
}

QPixmap ButtonPicturePixmap(ButtonPicture picture, int size, qreal devicePixelRatio,
                            bool available) {
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    const int pixels = std::max(1, static_cast<int>(std::lround(size * ratio)));
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        PaintButtonPicture(painter, QRectF(0, 0, pixels, pixels), picture);
    }
    if (!available) {
        // Grey at reduced strength, keeping the shape's edges.
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const QColor colour = QColor::fromRgba(qUnpremultiply(line[x]));
                const int grey = 96 + qGray(colour.rgb()) / 2;
                line[x] = qPremultiply(qRgba(grey, grey, grey, colour.alpha() / 2));
            }
        }
    }
    image.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(image);
}

}  // namespace lumeta
