#include "view/board_painter.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <algorithm>
#include <array>

#include "controls/twips.h"
#include "view/board_font.h"

namespace lumeta {

namespace {

QColor Colour(const BoardScene& scene, std::uint32_t value) {
    return ColourFromValue(value, scene.palette);
}

// Scale factor of the hexagons, kept in single precision like the setting it comes from.
float ShrinkFactor(const BoardAppearance& appearance) {
    const int shrink = std::clamp(appearance.HexShrink, 0, 10);
    return 1.0f - static_cast<float>(shrink) * 0.01f;
}

int PixelX(const BoardGeometry& g, double twips) {
    return RoundHalfEven(twips / g.TwipsPerPixelX);
}
int PixelY(const BoardGeometry& g, double twips) {
    return RoundHalfEven(twips / g.TwipsPerPixelY);
}

// One-pixel lines run through pixel centres so they cover whole pixels at any device
// pixel ratio. Like the platform's line drawing, the end pixel is left out.
void VerticalLine(QPainter& painter, int x, int y1, int y2) {
    painter.drawLine(QPointF(x + 0.5, y1), QPointF(x + 0.5, y2));
}
void HorizontalLine(QPainter& painter, int x1, int x2, int y) {
    painter.drawLine(QPointF(x1, y + 0.5), QPointF(x2, y + 0.5));
}

void DrawDigits(QPainter& painter, const BoardScene& scene, int showSolution) {
    const BoardLayout& layout = scene.layout;
    const BoardGeometry& g = scene.geometry;
    // Clues (and the shown solution) in bold, the player's digits regular: the two differ
    // by more than their colours, for eyes that cannot tell the colours apart.
    QFont entryFont = DeviceFont(scene.font, g.TwipsPerPixelY, *painter.device());
    entryFont.setBold(false);
    QFont clueFont = entryFont;
    clueFont.setBold(true);
    const double ascent = QFontMetricsF(entryFont, painter.device()).ascent();
    const QColor fixed = Colour(scene, scene.appearance.FixedColour);
    const QColor user = Colour(scene, scene.appearance.UserColour);

    for (int h = 1; h <= layout.HexTotal && h <= kHexMax; ++h) {
        for (int side = 1; side <= 6; ++side) {
            const int cell = layout.HexCell[h][side];
            if (cell < 1 || cell > kCellsMax) continue;
            const int row = layout.CellRow[cell];
            const int col = layout.CellCol[cell];
            const std::string* text = nullptr;
            if (showSolution == 1 || scene.puzzle.Shown[row][col] == 1) {
                text = &scene.puzzle.Solution[row][col];
                painter.setPen(fixed);
                painter.setFont(clueFont);
            } else if (!scene.puzzle.Entry[row][col].empty()) {
                text = &scene.puzzle.Entry[row][col];
                painter.setPen(user);
                painter.setFont(entryFont);
            }
            if (!text || text->empty()) continue;
            // The text's top-left corner goes to the position.
            const int x = PixelX(g, g.CellX[row][col] + g.DigitDX[side]);
            const int y = PixelY(g, g.CellY[row][col] + g.DigitDY[side]);
            painter.drawText(QPointF(x, y + ascent), QString::fromStdString(*text));
        }
    }
}

}  // namespace

void DrawBoard(QPainter& painter, const BoardScene& scene, int showSolution) {
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);

    const QPaintDevice* device = painter.device();
    const double ratio = device->devicePixelRatioF();
    painter.fillRect(QRectF(0, 0, device->width() / ratio, device->height() / ratio),
                     Colour(scene, scene.appearance.BackColour));

    DrawHexagons(painter, scene);
    DrawDigits(painter, scene, showSolution);
    painter.restore();
}

void DrawHexagons(QPainter& painter, const BoardScene& scene) {
    const BoardLayout& layout = scene.layout;
    for (int h = 1; h <= layout.HexTotal && h <= kHexMax; ++h)
        DrawHexagon(painter, scene, layout.HexRow[h], layout.HexCol[h],
                    scene.appearance.BorderColour);
}

void DrawHexagon(QPainter& painter, const BoardScene& scene, int row, int col,
                 std::uint32_t outlineColour) {
    const BoardLayout& layout = scene.layout;
    const BoardGeometry& g = scene.geometry;
    if (row < 1 || row > kGridRowsMax || col < 1 || col > kGridColsMax) return;
    const float k = ShrinkFactor(scene.appearance);

    // The outline, in whole pixels moved from the template by the box's offset; the
    // products and sums in double precision from the single-precision factor.
    const double dx = g.CellX[row][col] - g.CellX[1][1];
    const double dy = g.CellY[row][col] - g.CellY[1][1];
    std::array<PixelPoint, 6> hexPoints{};
    for (std::size_t i = 0; i < hexPoints.size(); ++i) {
        const double tx = g.HexTemplate[i].x * static_cast<double>(k);
        const double ty = g.HexTemplate[i].y * static_cast<double>(k);
        hexPoints[i] = {RoundHalfEven(tx + dx / g.TwipsPerPixelX),
                        RoundHalfEven(ty + dy / g.TwipsPerPixelY)};
    }

    const int borderWidth = std::max(1, scene.appearance.BorderWidth);
    // An odd pen width is centred on a pixel, an even one on the line between two pixels,
    // so the flat edges stay sharp.
    const double shift = borderWidth % 2 ? 0.5 : 0.0;
    QPolygonF outline;
    for (const PixelPoint& p : hexPoints)
        outline << QPointF(p.x + shift, p.y + shift);
    QPen outlinePen(Colour(scene, outlineColour), borderWidth);
    outlinePen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(outlinePen);
    painter.setBrush(Colour(scene, scene.appearance.HexFillColour));
    painter.drawPolygon(outline);

    // The dividers stand 40 twips outward of the box borders and stop short of the outline.
    QPen gridPen(Colour(scene, scene.appearance.GridColour), 1);
    gridPen.setCapStyle(Qt::FlatCap);
    painter.setPen(gridPen);
    painter.setBrush(Qt::NoBrush);
    const int X = g.CellX[row][col];
    const int Y = g.CellY[row][col];
    const int w = RoundHalfEven(layout.ColStep * static_cast<double>(k));
    const int h = RoundHalfEven(layout.RowStep * static_cast<double>(k));
    const int top = PixelY(g, Y + 50);
    const int bottom = PixelY(g, Y + 2 * h - 50);
    VerticalLine(painter, PixelX(g, X + w - 40), top, bottom);
    VerticalLine(painter, PixelX(g, X + 2 * layout.ColStep + 40), top, bottom);
    HorizontalLine(painter, PixelX(g, X - 40), PixelX(g, X + 3 * layout.ColStep + 40),
                   PixelY(g, Y + h));
}

}  // namespace lumeta
