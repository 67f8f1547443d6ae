#include "view/board_geometry.h"

#include <algorithm>

#include "board/num_text.h"
#include "controls/twips.h"

namespace lumeta {

namespace {

constexpr int kOriginX = -100;
constexpr int kOriginY = 120;

// The grid the picture's own size was made for.
constexpr int kRoomGridRows = 6;
constexpr int kRoomGridCols = 11;

}  // namespace

PictureExtent BoardPictureExtent(const BoardLayout& layout) {
    PictureExtent extent;
    extent.width += std::max(0, layout.GridCols - kRoomGridCols) * layout.ColStep;
    extent.height += std::max(0, layout.GridRows - kRoomGridRows) * layout.RowStep;
    return extent;
}

void PrepareGeometry(BoardGeometry& geometry, const BoardLayout& layout, int twipsPerPixelX,
                     int twipsPerPixelY, const TextExtent& measure) {
    BoardGeometry g;
    g.TwipsPerPixelX = std::max(1, twipsPerPixelX);
    g.TwipsPerPixelY = std::max(1, twipsPerPixelY);
    g.OriginX = kOriginX;
    g.OriginY = kOriginY;

    // One row and column past the grid, so the far edge of the last box has a position too.
    const int lastRow = std::min(layout.GridRows + 1, kGridRowsMax);
    const int lastCol = std::min(layout.GridCols + 1, kGridColsMax);
    for (int row = 1; row <= lastRow; ++row) {
        for (int col = 1; col <= lastCol; ++col) {
            g.CellX[row][col] = (col - 1) * layout.ColStep + g.OriginX;
            g.CellY[row][col] = (row - 1) * layout.RowStep + g.OriginY;
        }
    }

    g.MarkerWidth = layout.ColStep / 2.0;
    g.MarkerHeight = layout.ColStep / 4.0;

    // Flat top and bottom two boxes long, pointed corners half a box outside the origin box
    // and the third box.
    const double tx = g.TwipsPerPixelX;
    const double ty = g.TwipsPerPixelY;
    const double x0 = (kOriginX + layout.ColStep / 2.0) / tx;
    const double y0 = kOriginY / ty;
    const double u = layout.ColStep / tx;
    const double v = layout.RowStep / ty;
    const std::array<std::array<double, 2>, 7> corners = {{
        {x0, y0},
        {x0 - u, y0 + v},
        {x0, y0 + 2 * v},
        {x0 + 2 * u, y0 + 2 * v},
        {x0 + 3 * u, y0 + v},
        {x0 + 2 * u, y0},
        {x0, y0},
    }};
    for (std::size_t i = 0; i < corners.size(); ++i)
        g.HexTemplate[i] = {RoundHalfEven(corners[i][0]), RoundHalfEven(corners[i][1])};

    // Indexed by side, measured with the side's own number: a digit other than the side
    // number sits as far in as that number would.
    for (int side = 1; side <= 6; ++side) {
        const TwipSize size = measure ? measure(NumText(side)) : TwipSize{};
        g.DigitDX[side] = RoundHalfEven((layout.ColStep - size.width) / 2.0);
        g.DigitDY[side] = RoundHalfEven((layout.RowStep - size.height) / 2.0);
    }

    geometry = g;
}

}  // namespace lumeta
