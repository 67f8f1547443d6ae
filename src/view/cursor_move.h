#pragma once

#include <string>
#include <string_view>

#include "board/board_layout.h"
#include "board/puzzle_state.h"
#include "view/board_geometry.h"

namespace lumeta {

// The direction a released key moves the selection: End "E", Home "H", Left "L", Up "U",
// Right "R", Down "D"; empty for every other key. Key codes are the platform's virtual
// key numbers (35 End, 36 Home, 37 Left, 38 Up, 39 Right, 40 Down).
std::string MovementDirection(int keyCode);

// Where MoveCursor puts the selection.
struct CursorPlace {
    bool placed = false;  // false: nothing changes, the marker included
    int row = 0;
    int col = 0;
    double markerLeft = 0;  // the marker's top-left corner, twips
    double markerTop = 0;
};

// One grid step from the selected cell (curRow, curCol) in `direction` ("R", "L", "D",
// "U"). A step never lands on a given cell or off the board; it may enter the
// neighbouring hexagon. Any other direction ("H", "E") keeps the cell and only re-places
// the marker. Nothing happens without a selected cell (curRow = 0).
CursorPlace MoveCursor(const BoardLayout& layout, const PuzzleState& puzzle,
                       const BoardGeometry& geometry, int curRow, int curCol,
                       std::string_view direction);

// The open compartment `step` places on from (curRow, curCol) in the board's reading order
// (hexagon 1 side 1, side 2, ..., hexagon 2 side 1, ...), given cells skipped and the order
// wrapping round. Without a selected cell (curRow = 0) a step forward gives the first open
// compartment and a step back the last, so the keyboard alone reaches every compartment.
// Not placed when the board has no open compartment.
CursorPlace StepOpenCell(const BoardLayout& layout, const PuzzleState& puzzle,
                         const BoardGeometry& geometry, int curRow, int curCol, int step);

// Hexagon and side of a board cell, from its tag ("073": hexagon 7, side 3); 0, 0 off the
// board.
struct HexSide {
    int hex = 0;
    int side = 0;
};
HexSide CellHexSide(const BoardLayout& layout, int row, int col);

}  // namespace lumeta
