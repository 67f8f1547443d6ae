#include "controls/message_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <cmath>

namespace lumeta {

namespace {

// Every picture is drawn on a 32 × 32 grid and scaled to the area.
const QColor kOutline(40, 40, 40);

void Disc(QPainter& p, QPointF centre, qreal radius, QColor light, QColor dark) {
    QRadialGradient fill(centre - QPointF(radius / 3, radius / 3), radius * 1.4);
    fill.setColorAt(0, light);
    fill.setColorAt(1, dark);
    p.setPen(QPen(dark.darker(150), 1.0));
    p.setBrush(fill);
    p.drawEllipse(centre, radius, radius);
}

void ExclamationMark(QPainter& p, QPointF top, qreal height, QColor colour) {
    const qreal width = height * 0.22;
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    QPainterPath bar;
    bar.moveTo(top.x() - width / 2, top.y());
    bar.lineTo(top.x() + width / 2, top.y());
    bar.lineTo(top.x() + width / 4, top.y() + height * 0.66);
    bar.lineTo(top.x() - width / 4, top.y() + height * 0.66);
    bar.closeSubpath();
    p.drawPath(bar);
    p.drawEllipse(QPointF(top.x(), top.y() + height * 0.88), width * 0.55, width * 0.55);
}

void Question(QPainter& p) {
    Disc(p, {16, 16}, 14.5, QColor(120, 170, 255), QColor(20, 70, 190));
    QPen pen(Qt::white, 3.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    QPainterPath hook;
    hook.moveTo(11.2, 12.0);
    hook.cubicTo(11.2, 7.0, 20.8, 7.0, 20.8, 12.0);
    hook.cubicTo(20.8, 15.5, 16.0, 15.5, 16.0, 19.0);
    p.drawPath(hook);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(16, 24.0), 2.0, 2.0);
}

void Exclamation(QPainter& p) {
    QPainterPath triangle;
    triangle.moveTo(16, 2.5);
    triangle.lineTo(30.5, 28.5);
    triangle.lineTo(1.5, 28.5);
    triangle.closeSubpath();
    QLinearGradient fill(0, 2, 0, 29);
    fill.setColorAt(0, QColor(255, 236, 110));
    fill.setColorAt(1, QColor(240, 180, 0));
    p.setPen(QPen(QColor(150, 100, 0), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(triangle);
    ExclamationMark(p, {16, 9.5}, 17, kOutline);
}

void Information(QPainter& p) {
    Disc(p, {16, 16}, 14.5, QColor(130, 190, 255), QColor(25, 90, 200));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(16, 9), 2.2, 2.2);
    p.drawRoundedRect(QRectF(14, 13, 4, 12), 1, 1);
    p.drawRect(QRectF(12.5, 13, 3.5, 2));
    p.drawRect(QRectF(12.5, 23.5, 7, 2));
}

void StopSign(QPainter& p) {
    // A red octagon with a white exclamation mark.
    QPolygonF octagon;
    for (int corner = 0; corner < 8; ++corner) {
        const qreal angle = qDegreesToRadians(22.5 + 45.0 * corner);
        octagon << QPointF(16 + 14.8 * std::cos(angle), 16 + 14.8 * std::sin(angle));
    }
    QLinearGradient fill(0, 1, 0, 31);
    fill.setColorAt(0, QColor(245, 90, 70));
    fill.setColorAt(1, QColor(180, 20, 20));
    p.setPen(QPen(QColor(110, 10, 10), 1.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(fill);
    p.drawPolygon(octagon);
    ExclamationMark(p, {16, 6.5}, 19, Qt::white);
}

void Cross(QPainter& p) {
    // A red disc with a white cross.
    Disc(p, {16, 16}, 14.5, QColor(255, 110, 100), QColor(190, 20, 20));
    p.setPen(QPen(Qt::white, 3.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10.5, 10.5), QPointF(21.5, 21.5));
    p.drawLine(QPointF(21.5, 10.5), QPointF(10.5, 21.5));
}

void HappyFace(QPainter& p) {
    Disc(p, {16, 16}, 14.5, QColor(255, 245, 120), QColor(240, 185, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    p.drawEllipse(QPointF(11.2, 12.5), 1.9, 2.5);
    p.drawEllipse(QPointF(20.8, 12.5), 1.9, 2.5);
    p.setPen(QPen(kOutline, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath smile;
    smile.moveTo(9.0, 18.5);
    smile.cubicTo(11.5, 25.0, 20.5, 25.0, 23.0, 18.5);
    p.drawPath(smile);
}

void Wastebasket(QPainter& p) {
    const QPen edge(QColor(60, 60, 70), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    QLinearGradient metal(6, 0, 26, 0);
    metal.setColorAt(0, QColor(150, 155, 165));
    metal.setColorAt(0.4, QColor(225, 228, 235));
    metal.setColorAt(1, QColor(120, 125, 135));
    // The bin narrows towards its foot.
    QPainterPath bin;
    bin.moveTo(7, 9);
    bin.lineTo(25, 9);
    bin.lineTo(23, 30);
    bin.lineTo(9, 30);
    bin.closeSubpath();
    p.setPen(edge);
    p.setBrush(metal);
    p.drawPath(bin);
    p.setPen(QPen(QColor(90, 95, 105), 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12, 12), QPointF(12.8, 27));
    p.drawLine(QPointF(16, 12), QPointF(16, 27));
    p.drawLine(QPointF(20, 12), QPointF(19.2, 27));
    // Lid with its handle.
    p.setPen(edge);
    p.setBrush(metal);
    p.drawRoundedRect(QRectF(4.5, 5.5, 23, 3.5), 1.2, 1.2);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(12.5, 2.5, 7, 3), 1, 1);
}

void Printer(QPainter& p) {
    const QPen edge(QColor(50, 50, 60), 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(edge);
    // Paper going in at the back.
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 2.5, 14, 10));
    // Body.
    QLinearGradient body(0, 11, 0, 25);
    body.setColorAt(0, QColor(215, 218, 225));
    body.setColorAt(1, QColor(140, 145, 155));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(2.5, 11, 27, 13), 2, 2);
    // Printed sheet coming out in front, with lines of text.
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8, 19, 16, 11));
    p.setPen(QPen(QColor(70, 90, 160), 1.0));
    for (qreal y = 22; y <= 28; y += 2)
        p.drawLine(QPointF(10.5, y), QPointF(21.5, y));
    // Power lamp.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 200, 60));
    p.drawEllipse(QPointF(25.5, 14.8), 1.4, 1.4);
}

void LitLamp(QPainter& p) {
    // Rays first, the bulb over them.
    p.setPen(QPen(QColor(255, 190, 0), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int ray = 0; ray < 7; ++ray) {
        const qreal angle = qDegreesToRadians(180.0 + 30.0 * ray);
        const QPointF direction(std::cos(angle), std::sin(angle));
        p.drawLine(QPointF(16, 12.5) + direction * 11.5, QPointF(16, 12.5) + direction * 15.0);
    }
    QRadialGradient glow(QPointF(14.5, 10), 10);
    glow.setColorAt(0, QColor(255, 255, 215));
    glow.setColorAt(1, QColor(255, 210, 30));
    p.setPen(QPen(QColor(190, 130, 0), 1.1));
    p.setBrush(glow);
    QPainterPath bulb;
    bulb.moveTo(12.2, 21.5);
    bulb.cubicTo(12.2, 17.5, 7.0, 16.5, 7.0, 11.5);
    bulb.cubicTo(7.0, 2.5, 25.0, 2.5, 25.0, 11.5);
    bulb.cubicTo(25.0, 16.5, 19.8, 17.5, 19.8, 21.5);
    bulb.closeSubpath();
    p.drawPath(bulb);
    // Screw base.
    p.setPen(QPen(QColor(70, 70, 80), 1.0));
    p.setBrush(QColor(170, 172, 180));
    p.drawRoundedRect(QRectF(12, 21.5, 8, 6.5), 1, 1);
    p.drawLine(QPointF(12, 23.7), QPointF(20, 23.7));
    p.drawLine(QPointF(12, 25.9), QPointF(20, 25.9));
    p.setBrush(QColor(70, 70, 80));
    p.drawRoundedRect(QRectF(14, 28, 4, 2.5), 1, 1);
}

}  // namespace

void PaintMessageIcon(QPainter& painter, const QRectF& area, int slot) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(area.topLeft());
    painter.scale(area.width() / 32.0, area.height() / 32.0);
    switch (slot) {
        case 0:
            Question(painter);
            break;
        case 1:
            Exclamation(painter);
            break;
        case 2:
            Information(painter);
            break;
        case 3:
            StopSign(painter);
            break;
        case 4:
            Cross(painter);
            break;
        case 5:
            HappyFace(painter);
            break;
        case 6:
            Wastebasket(painter);
            break;
        case 7:
            Printer(painter);
            break;
        case 8:
            LitLamp(painter);
            break;
        default:
            break;
    }
    painter.restore();
}

QPixmap MessageIconPixmap(int slot, int size, qreal devicePixelRatio) {
    const int device = static_cast<int>(std::ceil(size * devicePixelRatio));
    QPixmap pixmap(device, device);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    PaintMessageIcon(painter, QRectF(0, 0, size, size), slot);
    return pixmap;
}

}  // namespace lumeta
