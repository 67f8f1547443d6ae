#include "view/pointer_hit.h"

#include <cmath>

#include "board/num_text.h"

namespace lumeta {

namespace {

bool InTables(int row, int col) {
    return row >= 0 && row <= kGridRowsMax && col >= 0 && col <= kGridColsMax;
}

}  // namespace

GridBox GridBoxAt(const BoardLayout& layout, const BoardGeometry& geometry, double x, double y) {
    if (layout.RowStep <= 0 || layout.ColStep <= 0) return {};
    // Floor, not truncation: a point just above box (1, 1) lies in row 0, not row 1.
    const double row = std::floor((y - geometry.OriginY) / layout.RowStep) + 1;
    const double col = std::floor((x - geometry.OriginX) / layout.ColStep) + 1;
    // Far-away points (a held button drags the pointer anywhere) stay far off the tables.
    const auto clamp = [](double value) {
        return static_cast<int>(std::fmax(-1e6, std::fmin(value, 1e6)));
    };
    return {clamp(row), clamp(col)};
}

PointerTarget FindPointerTarget(const BoardLayout& layout, const PuzzleState& puzzle,
                                const BoardGeometry& geometry, double x, double y) {
    const GridBox box = GridBoxAt(layout, geometry, x, y);
    PointerTarget target;
    target.row = box.row;
    target.col = box.col;
    if (!InTables(box.row, box.col)) return target;  // off the board

    if (puzzle.Shown[box.row][box.col] == 1) {
        target.kind = PointerTarget::Kind::GivenCell;
        return target;
    }
    const std::string& tag = layout.CellTag[box.row][box.col];
    if (tag.size() != 3) return target;
    target.hex = (tag[0] - '0') * 10 + (tag[1] - '0');
    target.side = tag[2] - '0';
    if (target.hex <= 0) return target;

    target.kind = PointerTarget::Kind::OpenCell;
    // Between the digit and the hexagon's middle line, centred across the box.
    target.markerLeft = geometry.CellX[box.row][box.col] + layout.ColStep / 4.0;
    const bool upperRow = target.side >= 1 && target.side <= 3;
    target.markerTop = geometry.CellY[box.row][box.col] +
                       (upperRow ? 3.0 * layout.RowStep / 4.0 : layout.RowStep / 8.0);
    return target;
}

std::string PointerStatusText(int hex, int side) {
    return "Hex =" + BlankNumText(hex) + ", Cell=" + BlankNumText(side);
}

}  // namespace lumeta
