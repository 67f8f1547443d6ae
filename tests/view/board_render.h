#pragma once

#include <QImage>
#include <QPainter>
#include <string>

#include "support/board_fixture.h"
#include "view/board_font.h"
#include "view/board_painter.h"
#include "view/board_picture.h"

namespace lumeta::testing {

// Colours far apart from each other and from their blends, so a pixel tells what it is.
inline constexpr std::uint32_t kTestBack = RGBValue(200, 200, 200);
inline constexpr std::uint32_t kTestBorder = RGBValue(0, 0, 255);
inline constexpr std::uint32_t kTestFill = RGBValue(255, 255, 0);
inline constexpr std::uint32_t kTestGrid = RGBValue(0, 160, 0);
inline constexpr std::uint32_t kTestFixed = RGBValue(255, 0, 0);
inline constexpr std::uint32_t kTestUser = RGBValue(160, 0, 160);

inline BoardAppearance TestAppearance() {
    return {.BorderColour = kTestBorder,
            .FixedColour = kTestFixed,
            .GridColour = kTestGrid,
            .UserColour = kTestUser,
            .HexFillColour = kTestFill,
            .BackColour = kTestBack};
}

// Geometry at the given scale, digits measured in the default board font.
inline BoardGeometry GeometryAt(const Board& board, int twipsPerPixel) {
    BoardGeometry g;
    PrepareGeometry(g, board.layout, twipsPerPixel, twipsPerPixel,
                    BoardTextExtent(BoardFont({}), twipsPerPixel, twipsPerPixel));
    return g;
}

// The board drawn by DrawBoard on an image the size of the board picture.
inline QImage RenderBoard(const Board& board, const BoardAppearance& appearance, int twipsPerPixel,
                          int showSolution, double pixelRatio = 1.0) {
    const QSize logical(BoardPicture::kWidthTwips, BoardPicture::kHeightTwips);
    QImage image(logical * pixelRatio / twipsPerPixel, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::black);  // DrawBoard must clear it
    QPainter painter(&image);
    const BoardGeometry g = GeometryAt(board, twipsPerPixel);
    DrawBoard(painter, {board.layout, board.puzzle, g, appearance, BoardFont({})}, showSolution);
    return image;
}

// Pixels of `area` (image pixels) within `range` of `colour` in every component.
inline int CountNear(const QImage& image, const QRect& area, std::uint32_t colour, int range = 40) {
    const QColor want = ColourFromValue(colour);
    const QRect clipped = area & image.rect();
    int count = 0;
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += std::max({abs(c.red() - want.red()), abs(c.green() - want.green()),
                               abs(c.blue() - want.blue())}) <= range;
        }
    return count;
}

// `count` image pixels from (x, y) on by `step` (rightwards unless told), one letter each:
// '.' background, '#' outline, 'f' fill, 'g' divider, 'F' fixed digit, 'U' user digit, '?'.
inline const QPoint kDown(0, 1);
inline std::string Strip(const QImage& image, int x, int y, int count, QPoint step = {1, 0}) {
    const std::uint32_t colours[] = {kTestBack, kTestBorder, kTestFill,
                                     kTestGrid, kTestFixed,  kTestUser};
    std::string strip;
    for (QPoint p(x, y); count-- > 0; p += step) {
        strip += '?';
        for (int i = 0; i < 6; ++i)
            if (CountNear(image, QRect(p, QSize(1, 1)), colours[i], 8)) strip.back() = ".#fgFU"[i];
    }
    return strip;
}

inline QRect BoxPixels(const BoardGeometry& g, int row, int col, const BoardLayout& layout) {
    const double tx = g.TwipsPerPixelX, ty = g.TwipsPerPixelY;
    return QRectF(g.CellX[row][col] / tx, g.CellY[row][col] / ty, layout.ColStep / tx,
                  layout.RowStep / ty)
        .toRect();
}

}  // namespace lumeta::testing
