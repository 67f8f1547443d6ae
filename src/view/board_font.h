#pragma once

#include <QFont>

#include "view/board_appearance.h"
#include "view/board_geometry.h"

class QPaintDevice;
class QScreen;

namespace lumeta {

// The font the board picture takes from the appearance settings.
QFont BoardFont(const BoardAppearance& appearance);

// `font` sized for drawing on `device` at the given twips per pixel, so a 10-point digit
// is 200 twips high whatever resolution the device reports.
QFont DeviceFont(const QFont& font, int twipsPerPixelY, const QPaintDevice& device);

// Measures texts in `font` as the board draws them at the given twips per pixel.
TextExtent BoardTextExtent(const QFont& font, int twipsPerPixelX, int twipsPerPixelY);

// The screen's twips per pixel (1440 / logical dots per inch), 15 when there is no screen.
struct TwipsPerPixel {
    int x = 15;
    int y = 15;
};
TwipsPerPixel ScreenTwipsPerPixel(const QScreen* screen);

}  // namespace lumeta
