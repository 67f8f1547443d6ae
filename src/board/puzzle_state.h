#pragma once

#include <string>

#include "board/board_layout.h"

namespace lumeta {

// The puzzle in play: solution and player entries as one-character digit texts.
// Which cells are clues is the layout's Given table.
struct PuzzleState {
    GridTable<std::string> Solution{};
    GridTable<std::string> Entry{};
};

// Empties every entry over the whole table.
void ClearEntries(PuzzleState& puzzle);

// The verify scan: row by row, stopping at the first given cell without a solution digit
// (no puzzle) or the first open cell whose entry differs from its solution (not done).
enum class VerifyOutcome { NoPuzzle, NotDone, AllDone };
VerifyOutcome VerifyPuzzle(const BoardLayout& layout, const PuzzleState& puzzle);

// The board's solution as one puzzle line: the board cells' solution texts row by row.
std::string PuzzleLine(const BoardLayout& layout, const PuzzleState& puzzle);

// Puts a puzzle line on the board: character k goes to the k-th board cell, an entry is
// emptied everywhere; cells past the end of a short line get no solution digit.
void PlacePuzzleLine(const BoardLayout& layout, PuzzleState& puzzle, std::string_view line);

}  // namespace lumeta
