#include "view/board_font.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPaintDevice>
#include <QScreen>
#include <QString>
#include <algorithm>

#include "controls/twips.h"

namespace lumeta {

namespace {

constexpr double kTwipsPerInch = 1440.0;

}  // namespace

QFont BoardFont(const BoardAppearance& appearance) {
    QFont font(QString::fromStdString(appearance.BoardFontName));
    font.setPointSizeF(std::max(1, appearance.BoardFontSize));
    return font;
}

QFont DeviceFont(const QFont& font, int twipsPerPixelY, const QPaintDevice& device) {
    QFont scaled(font);
    const double points = font.pointSizeF();
    const int deviceDpi = device.logicalDpiY();
    if (points <= 0 || deviceDpi <= 0 || twipsPerPixelY <= 0) return scaled;  // pixel-sized
    const double wantedDpi = kTwipsPerInch / twipsPerPixelY;
    scaled.setPointSizeF(points * wantedDpi / deviceDpi);
    return scaled;
}

TextExtent BoardTextExtent(const QFont& font, int twipsPerPixelX, int twipsPerPixelY) {
    const QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);
    const QFont deviceFont = DeviceFont(font, twipsPerPixelY, probe);
    return [deviceFont, twipsPerPixelX, twipsPerPixelY](std::string_view text) {
        const QImage device(1, 1, QImage::Format_ARGB32_Premultiplied);
        const QFontMetricsF metrics(deviceFont, &device);
        const QString qtext = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
        return TwipSize{metrics.horizontalAdvance(qtext) * twipsPerPixelX,
                        metrics.height() * twipsPerPixelY};
    };
}

TwipsPerPixel ScreenTwipsPerPixel(const QScreen* screen) {
    if (!screen) return {};
    const auto perPixel = [](double dpi) {
        return dpi > 0 ? std::max(1, RoundHalfEven(kTwipsPerInch / dpi)) : 15;
    };
    return {perPixel(screen->logicalDotsPerInchX()), perPixel(screen->logicalDotsPerInchY())};
}

}  // namespace lumeta
