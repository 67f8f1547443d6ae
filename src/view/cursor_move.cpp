#include "view/cursor_move.h"

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
        const std::string& tag = layout.CellTag[row][col];
        const int hex = tag.size() == 3 ? (tag[0] - '0') * 10 + (tag[1] - '0') : 0;
        if (puzzle.Shown[row][col] == 1 || hex < 1) return place;
    }

    place.placed = true;
    place.row = row;
    place.col = col;
    // The same height for upper and lower cells, unlike the pointer's placement.
    place.markerLeft = geometry.CellX[row][col] + layout.ColStep / 4.0;
    place.markerTop = geometry.CellY[row][col] + layout.RowStep / 4.0;
    return place;
}

}  // namespace lumeta
