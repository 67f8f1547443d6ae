#pragma once

#include <string>
#include <string_view>

#include "board/board_layout.h"
#include "board/puzzle_state.h"

namespace lumeta::testing {

// A valid 7-hexagon puzzle line.
inline constexpr std::string_view kSampleLine = "436362521621541653453236124326145253415461";

struct Board {
    BoardLayout layout;
    PuzzleState puzzle;
};

// A built board of numHex hexagons with no puzzle.
inline Board BuiltBoard(int numHex = 7) {
    Board board;
    board.layout.NumHex = numHex;
    BuildBoard(board.layout, board.puzzle);
    return board;
}

// The table as a grid picture, one line a grid row: '-' off the board, '.' an empty cell.
inline std::string GridPicture(const BoardLayout& layout, const GridTable<std::string>& table) {
    std::string picture;
    for (int row = 1; row <= layout.GridRows; ++row) {
        for (int col = 1; col <= layout.GridCols; ++col)
            picture += !layout.IsBoardCell(row, col) ? "-"
                       : table[row][col].empty()     ? "."
                                                     : table[row][col];
        picture += '\n';
    }
    return picture;
}

}  // namespace lumeta::testing
