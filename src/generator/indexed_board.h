#pragma once

#include <array>
#include <string_view>

#include "board/board_layout.h"
#include "board/puzzle_state.h"
#include "generator/digit_set.h"

namespace lumeta {

constexpr int kCellIndexMax = kHexMax * 6;

// Side s of hexagon h as an index: the cells of a hexagon lie side by side.
constexpr int CellIndex(int hex, int side) {
    return (hex - 1) * 6 + (side - 1);
}

// The built board as the generator and the solver walk it: cells as indices in hexagon
// and side order, with the index of each cell's touching cell precomputed.
struct IndexedBoard {
    int hexTotal = 0;
    int cellCount = 0;
    std::array<int, kCellIndexMax> touch{};   // touching cell, -1 on an outer side
    std::array<bool, kCellIndexMax> given{};  // a clue cell
    std::array<int, kCellIndexMax> row{};     // grid position
    std::array<int, kCellIndexMax> col{};
    std::array<int, kCellIndexMax> linePos{};  // 0-based character of the puzzle line
};

IndexedBoard IndexBoard(const BoardLayout& layout);

// Candidate digits of every cell while a puzzle is made or checked.
struct CandidateGrid {
    std::array<DigitSet, kCellIndexMax> cell{};
};

// Each cell's candidates as a text of digits in the Solution table.
void GridToSolution(const IndexedBoard& board, const CandidateGrid& grid, PuzzleState& puzzle);

}  // namespace lumeta
