#pragma once

#include <QPoint>
#include <QRect>

class QScreen;
class QWidget;

namespace lumeta {

// Window positions and sizes are kept in twips (1/1440 inch) and turned into pixels only
// where a widget is placed or drawn: 1440 / the screen's logical dpi twips per pixel (15 at
// 96 dpi, 12 at 120 dpi).
struct TwipScale {
    double TwipsPerPixelX = 15.0;
    double TwipsPerPixelY = 15.0;

    // The scale of a screen (the primary screen when none is given).
    static TwipScale ForScreen(const QScreen* screen = nullptr);
    // The scale of the screen a widget is on.
    static TwipScale ForWidget(const QWidget* widget);

    // Twips to whole pixels, the nearest whole number with halves going to the even one.
    int PixelsX(double twips) const;
    int PixelsY(double twips) const;
    QPoint Pixels(double left, double top) const { return {PixelsX(left), PixelsY(top)}; }
    QRect Pixels(double left, double top, double width, double height) const;

    double TwipsX(double pixels) const { return pixels * TwipsPerPixelX; }
    double TwipsY(double pixels) const { return pixels * TwipsPerPixelY; }
};

// Nearest whole number, a half going to the even neighbour (72.5 gives 72, 73.5 gives 74).
int RoundHalfEven(double value);

}  // namespace lumeta
