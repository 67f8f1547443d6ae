#include "output/painter_surface.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPen>
#include <algorithm>

#include "controls/colour_value.h"

namespace lumeta {

namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kTwipsPerPoint = 20.0;
constexpr double kPointsPerInch = 72.0;

double TwipsPerPixel(int dpi) {
    return dpi > 0 ? kTwipsPerInch / dpi : 15.0;
}

QString SurfaceText(std::string_view text) {
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

PainterSurface::PainterSurface(QPainter& painter)
    : painter_(painter),
      device_(*painter.device()),
      twipsPerPixelX_(TwipsPerPixel(device_.logicalDpiX())),
      twipsPerPixelY_(TwipsPerPixel(device_.logicalDpiY())) {
    painter_.resetTransform();
    painter_.scale(1.0 / twipsPerPixelX_, 1.0 / twipsPerPixelY_);
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
    painter_.setBrush(Qt::NoBrush);
    ApplyFont();
}

void PainterSurface::SetDrawWidth(int pixels) {
    drawWidth_ = std::max(1, pixels);
}

void PainterSurface::SetForeColour(std::uint32_t colour) {
    foreColour_ = colour;
}

void PainterSurface::SetFont(const std::string& name, bool bold) {
    font_.setFamily(QString::fromStdString(name));
    font_.setBold(bold);
    ApplyFont();
}

void PainterSurface::SetFontSize(double points) {
    fontPoints_ = points;
    ApplyFont();
}

void PainterSurface::ApplyFont() {
    // The painter is in twips, so a point must come out as 20 units of it whatever the
    // device's resolution.
    const int dpi = device_.logicalDpiY() > 0 ? device_.logicalDpiY() : 96;
    font_.setPointSizeF(std::max(0.1, fontPoints_ * kTwipsPerPoint * kPointsPerInch / dpi));
    painter_.setFont(font_);
}

void PainterSurface::Line(double x1, double y1, double x2, double y2, std::uint32_t colour) {
    pen_ = QPointF(x1, y1);
    LineTo(x2, y2, colour);
}

void PainterSurface::LineTo(double x2, double y2, std::uint32_t colour) {
    QPen pen(ColourFromValue(colour));
    pen.setWidthF(drawWidth_ * twipsPerPixelX_);
    pen.setCapStyle(Qt::RoundCap);
    painter_.setPen(pen);
    const QPointF to(x2, y2);
    painter_.drawLine(pen_, to);
    pen_ = to;
}

double PainterSurface::TextWidth(std::string_view text) {
    return QFontMetricsF(font_, &device_).horizontalAdvance(SurfaceText(text));
}

double PainterSurface::TextHeight(std::string_view) {
    return QFontMetricsF(font_, &device_).height();
}

void PainterSurface::WriteText(double x, double y, std::string_view text) {
    if (text.empty()) return;
    painter_.setPen(ColourFromValue(foreColour_));
    const QFontMetricsF metrics(font_, &device_);
    painter_.drawText(QPointF(x, y + metrics.ascent()), SurfaceText(text));
}

}  // namespace lumeta
