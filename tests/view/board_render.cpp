#include "board_render.h"

#include <QPainter>
#include <cstdlib>

#include "view/board_font.h"
#include "view/board_painter.h"
#include "view/board_picture.h"

namespace lumeta::testing {

BoardAppearance TestAppearance() {
    BoardAppearance appearance;
    appearance.BackColour = kTestBack;
    appearance.BorderColour = kTestBorder;
    appearance.HexFillColour = kTestFill;
    appearance.GridColour = kTestGrid;
    appearance.FixedColour = kTestFixed;
    appearance.UserColour = kTestUser;
    return appearance;
}

QFont TestFont() {
    return BoardFont(BoardAppearance{});
}

QImage RenderBoard(const Board& board, const BoardAppearance& appearance, int twipsPerPixel,
                   int showSolution, double pixelRatio) {
    BoardGeometry geometry;
    const QFont font = TestFont();
    PrepareGeometry(geometry, board.layout, twipsPerPixel, twipsPerPixel,
                    BoardTextExtent(font, twipsPerPixel, twipsPerPixel));
    const QSize logical(Nearest(double(BoardPicture::kWidthTwips) / twipsPerPixel),
                        Nearest(double(BoardPicture::kHeightTwips) / twipsPerPixel));
    QImage image(logical * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::black);
    QPainter painter(&image);
    DrawBoard(painter, BoardScene{board.layout, board.puzzle, geometry, appearance, font},
              showSolution);
    return image;
}

namespace {

bool Near(QColor pixel, std::uint32_t colour, int range) {
    const QColor want = ColourFromValue(colour);
    return std::abs(pixel.red() - want.red()) <= range &&
           std::abs(pixel.green() - want.green()) <= range &&
           std::abs(pixel.blue() - want.blue()) <= range;
}

}  // namespace

int CountNear(const QImage& image, const QRect& area, std::uint32_t colour, int range) {
    const double ratio = image.devicePixelRatio();
    const QRect device(QPoint(area.left() * ratio, area.top() * ratio), area.size() * ratio);
    const QRect clipped = device.intersected(image.rect());
    int count = 0;
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            if (Near(image.pixelColor(x, y), colour, range)) ++count;
    return count;
}

bool IsColour(const QImage& image, int x, int y, std::uint32_t colour, int range) {
    return Near(image.pixelColor(x, y), colour, range);
}

bool ColourAround(const QImage& image, int x, int y, std::uint32_t colour, int radius, int range) {
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
            if (image.rect().contains(x + dx, y + dy) &&
                Near(image.pixelColor(x + dx, y + dy), colour, range))
                return true;
    return false;
}

QRect BoxPixels(const BoardGeometry& g, int row, int col, const BoardLayout& layout) {
    const int left = Nearest(double(g.CellX[row][col]) / g.TwipsPerPixelX);
    const int top = Nearest(double(g.CellY[row][col]) / g.TwipsPerPixelY);
    const int right = Nearest(double(g.CellX[row][col] + layout.ColStep) / g.TwipsPerPixelX);
    const int bottom = Nearest(double(g.CellY[row][col] + layout.RowStep) / g.TwipsPerPixelY);
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

}  // namespace lumeta::testing
