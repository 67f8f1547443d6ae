#include "view/cursor_move.h"

#include <algorithm>

namespace lumeta {

std::string MovementDirection(int keyCode) {
    switch (keyCode) {
        case 35:
            return "E";
        case 36:
            return "H";
        case 37:
            return "L";
        case 38:
            return "U";
        case 39:
            return "R";
        case 40:
            return "D";
        default:
            return {};
    }
}

namespace {

CursorPlace MarkerPlace(const BoardLayout& layout, const BoardGeometry& geometry, int row,
                        int col) {
    CursorPlace place;
    place.placed = true;
    place.row = row;
    place.col = col;
    // The same height for upper and lower cells, unlike the pointer's placement.
    place.markerLeft = geometry.CellX[row][col] + layout.ColStep / 4.0;
    place.markerTop = geometry.CellY[row][col] + layout.RowStep / 4.0;
    return place;
}

}  // namespace

HexSide CellHexSide(const BoardLayout& layout, int row, int col) {
    if (row < 0 || row > kGridRowsMax || col < 0 || col > kGridColsMax) return {};
    const std::string& tag = layout.CellTag[row][col];
    if (tag.size() != 3) return {};
    return {(tag[0] - '0') * 10 + (tag[1] - '0'), tag[2] - '0'};
}

CursorPlace StepOpenCell(const BoardLayout& layout, const PuzzleState& puzzle,
                         const BoardGeometry& geometry, int curRow, int curCol, int step) {
    const int cells = std::clamp(layout.HexTotal, 0, kHexMax) * 6;
    if (cells == 0 || step == 0) return {};
    // Position in reading order; "before the first" when nothing is selected.
    int at = step > 0 ? -1 : cells;
    const HexSide now = CellHexSide(layout, curRow, curCol);
    if (curRow != 0 && now.hex >= 1 && now.side >= 1 && now.side <= 6)
        at = (now.hex - 1) * 6 + now.side - 1;
    const int direction = step > 0 ? 1 : -1;
    for (int tried = 0; tried < cells; ++tried) {
        at = ((at + direction) % cells + cells) % cells;
        const int cell = layout.HexCell[at / 6 + 1][at % 6 + 1];
        if (cell < 1 || cell > kCellsMax) continue;
        const int row = layout.CellRow[cell];
        const int col = layout.CellCol[cell];
        if (puzzle.Shown[row][col] != 1) return MarkerPlace(layout, geometry, row, col);
    }
    return {};
}

CursorPlace MoveCursor(const BoardLayout& layout, const PuzzleState& puzzle,
                       const BoardGeometry& geometry, int curRow, int curCol,
                       std::string_view direction) {
    CursorPlace place;
    if (curRow == 0) return place;

    int row = curRow;
    int col = curCol;
    const bool step = direction == "R" || direction == "L" || direction == "D" || direction == "U";
    if (direction == "R") ++col;
    if (direction == "L") --col;
    if (direction == "D") ++row;
    if (direction == "U") --row;
    if (row < 0 || row > kGridRowsMax || col < 0 || col > kGridColsMax) return place;
    if (step) {
        if (puzzle.Shown[row][col] == 1 || CellHexSide(layout, row, col).hex < 1) return place;
    }

    return MarkerPlace(layout, geometry, row, col);
}

}  // namespace lumeta
