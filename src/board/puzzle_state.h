#pragma once

#include <string>
#include <string_view>

#include "board/board_layout.h"

namespace lumeta {

// The puzzle in play: solution and player entries as one-character digit texts, and which
// cells show their digit to the player (the clues). A line without a view field shows the
// layout's outer sides (its Given table); a view field may show fewer or other cells.
struct PuzzleState {
    GridTable<std::string> Solution{};
    GridTable<std::string> Entry{};
    GridTable<int> Shown{};  // 1 on a clue cell
    bool HasView = false;    // the line carried a view field, and Save writes it back
};

// A puzzle line split into its fields for a board of `cells` cells. The view field
// follows the solution after one blank: the solution's digit where a cell is shown, "."
// where the player fills it in. Other characters past the solution are ignored, as are
// blanks after the view.
struct PuzzleLineFields {
    std::string_view solution;  // the first `cells` characters (fewer on a short line)
    std::string_view view;      // empty when the line has none or it is unusable
    std::string problem;        // why a view field present could not be used
};
PuzzleLineFields SplitPuzzleLine(std::string_view line, std::size_t cells);

// The characters a loader keeps of a line for a board of `cells` cells: room for the view
// field and enough past it to tell an overlong one.
std::size_t PuzzleLineKeepChars(std::size_t cells);

// Empties every entry over the whole table.
void ClearEntries(PuzzleState& puzzle);

// The verify scan: row by row, stopping at the first given cell without a solution digit
// (no puzzle) or the first open cell whose entry differs from its solution (not done).
enum class VerifyOutcome { NoPuzzle, NotDone, AllDone };
VerifyOutcome VerifyPuzzle(const BoardLayout& layout, const PuzzleState& puzzle);

// The board's solution as one puzzle line: the board cells' solution texts row by row.
std::string PuzzleLine(const BoardLayout& layout, const PuzzleState& puzzle);

// The view field of the board: the solution digit of a shown cell, "." elsewhere.
std::string ViewField(const BoardLayout& layout, const PuzzleState& puzzle);

// The line as Save writes it: the solution, and after one blank the view field when the
// puzzle came with one.
std::string PuzzleLineWithView(const BoardLayout& layout, const PuzzleState& puzzle);

// Shows the layout's outer sides, as a line without a view field does.
void ShowOuterSides(const BoardLayout& layout, PuzzleState& puzzle);

// Puts a puzzle line on the board: character k goes to the k-th board cell, an entry is
// emptied everywhere; cells past the end of a short line get no solution digit. The view
// field, when usable, says which cells are shown; otherwise the outer sides are, and the
// result says what was wrong with the field (empty when nothing was).
std::string PlacePuzzleLine(const BoardLayout& layout, PuzzleState& puzzle, std::string_view line);

}  // namespace lumeta
