#include "controls/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace lumeta {

namespace {

constexpr double kTwipsPerInch = 1440.0;

double TwipsPerPixel(double dpi) {
    return dpi > 0 ? kTwipsPerInch / dpi : 15.0;
}

}  // namespace

int RoundHalfEven(double value) {
    const double down = std::floor(value);
    const double rest = value - down;
    if (rest > 0.5) return static_cast<int>(down) + 1;
    if (rest < 0.5) return static_cast<int>(down);
    const int whole = static_cast<int>(down);
    return whole % 2 == 0 ? whole : whole + 1;
}

TwipScale TwipScale::ForScreen(const QScreen* screen) {
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    return {TwipsPerPixel(screen->logicalDotsPerInchX()),
            TwipsPerPixel(screen->logicalDotsPerInchY())};
}

TwipScale TwipScale::ForWidget(const QWidget* widget) {
    return ForScreen(widget ? widget->screen() : nullptr);
}

int TwipScale::PixelsX(double twips) const {
    return RoundHalfEven(twips / TwipsPerPixelX);
}

int TwipScale::PixelsY(double twips) const {
    return RoundHalfEven(twips / TwipsPerPixelY);
}

QRect TwipScale::Pixels(double left, double top, double width, double height) const {
    // Edges are rounded, not the size, so that pieces placed side by side in twips meet
    // without gaps in pixels.
    const int x = PixelsX(left);
    const int y = PixelsY(top);
    return {x, y, PixelsX(left + width) - x, PixelsY(top + height) - y};
}

}  // namespace lumeta
