#pragma once

#include <string>

#include "board/board_layout.h"
#include "board/puzzle_state.h"
#include "view/board_geometry.h"

namespace lumeta {

// The grid box under a point of the board picture (twips), by arithmetic on the grid: the
// box whose [CellX, CellX + ColStep) × [CellY, CellY + RowStep) holds the point. The
// slanted edges of the drawn hexagons play no part. Points above or left of box (1, 1)
// give row or column 0 or below.
struct GridBox {
    int row = 0;
    int col = 0;
};
GridBox GridBoxAt(const BoardLayout& layout, const BoardGeometry& geometry, double x, double y);

// What the pointer is over and what that does to the selection.
struct PointerTarget {
    enum class Kind {
        GivenCell,  // the selection, marker and status line stay as they are
        OffBoard,   // no hexagon cell there: the selection is cleared
        OpenCell,   // the cell becomes the selection
    };
    Kind kind = Kind::OffBoard;
    int row = 0;
    int col = 0;
    int hex = 0;  // OpenCell: hexagon and side of the cell
    int side = 0;
    double markerLeft = 0;  // OpenCell: the marker's top-left corner, twips
    double markerTop = 0;
};
PointerTarget FindPointerTarget(const BoardLayout& layout, const PuzzleState& puzzle,
                                const BoardGeometry& geometry, double x, double y);

// The status line over a cell: "Hex = 4, Cell= 2".
std::string PointerStatusText(int hex, int side);

}  // namespace lumeta
