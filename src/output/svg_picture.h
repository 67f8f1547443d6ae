#pragma once

#include <QByteArray>
#include <vector>

#include "output/recording_surface.h"

namespace lumeta {

// Measures texts with the system's fonts, as the screen shows them.
FontMeasure SystemFontMeasure();

// What was recorded, as an SVG picture of width × height twips on white. Pen widths are
// device pixels of twipsPerPixel twips, as on the screen.
QByteArray SvgPicture(const std::vector<DrawnItem>& items, double width, double height,
                      int twipsPerPixel);

}  // namespace lumeta
