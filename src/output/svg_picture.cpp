#include "output/svg_picture.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QString>

namespace lumeta {

namespace {

QString Number(double value) {
    return QString::number(value, 'g', 10);
}

QString Colour(std::uint32_t value) {
    return QStringLiteral("#%1%2%3")
        .arg(value & 0xff, 2, 16, QLatin1Char('0'))
        .arg((value >> 8) & 0xff, 2, 16, QLatin1Char('0'))
        .arg((value >> 16) & 0xff, 2, 16, QLatin1Char('0'));
}

// Text for XML: markup characters escaped, control characters (not allowed there) replaced.
QString XmlText(const std::string& text) {
    QString plain = QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
    for (QChar& c : plain)
        if (c.unicode() < 0x20) c = QLatin1Char('?');
    return plain.toHtmlEscaped();
}

}  // namespace

FontMeasure SystemFontMeasure() {
    return [](const std::string& fontName, bool bold, double points, std::string_view text) {
        // Measured at the 96 dpi of a plain image: 15 twips to a pixel.
        constexpr double kTwipsPerPixel = 15.0;
        QFont font(QString::fromStdString(fontName));
        font.setBold(bold);
        font.setPointSizeF(points > 0 ? points : 1);
        const QImage device(1, 1, QImage::Format_RGB32);
        const QFontMetricsF metrics(font, &device);
        const QString qtext =
            QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
        const double scale = kTwipsPerPixel * 96.0 / device.logicalDpiY();
        return TextMetrics{metrics.horizontalAdvance(qtext) * scale, metrics.height() * scale,
                           metrics.ascent() * scale};
    };
}

QByteArray SvgPicture(const std::vector<DrawnItem>& items, double width, double height,
                      int twipsPerPixel) {
    QString svg;
    svg += QStringLiteral(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1pt\" height=\"%2pt\" "
               "viewBox=\"0 0 %3 %4\">\n"
               "<rect width=\"%3\" height=\"%4\" fill=\"#ffffff\"/>\n")
               .arg(Number(width / 20), Number(height / 20), Number(width), Number(height));
    for (const DrawnItem& item : items) {
        if (item.kind == DrawnItem::Kind::Line) {
            svg += QStringLiteral(
                       "<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\" stroke=\"%5\" "
                       "stroke-width=\"%6\" stroke-linecap=\"round\"/>\n")
                       .arg(Number(item.x1), Number(item.y1), Number(item.x2), Number(item.y2),
                            Colour(item.colour), Number(item.drawWidth * twipsPerPixel));
            continue;
        }
        svg += QStringLiteral(
                   "<text x=\"%1\" y=\"%2\" font-family=\"%3, sans-serif\" font-size=\"%4\" "
                   "font-weight=\"%5\" fill=\"%6\" xml:space=\"preserve\">%7</text>\n")
                   .arg(Number(item.x1), Number(item.y1 + item.ascent), XmlText(item.fontName),
                        Number(item.fontSize * 20),
                        item.bold ? QStringLiteral("bold") : QStringLiteral("normal"),
                        Colour(item.colour), XmlText(item.text));
    }
    svg += QStringLiteral("</svg>\n");
    return svg.toUtf8();
}

}  // namespace lumeta
