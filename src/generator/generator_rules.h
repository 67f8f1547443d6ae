#pragma once

#include <string>

#include "board/board_layout.h"
#include "board/puzzle_state.h"
#include "generator/digit_set.h"
#include "generator/indexed_board.h"

namespace lumeta {

// How an attempt stands.
enum class Verdict : int {
    Failed = -1,   // a contradiction
    Complete = 0,  // complete and consistent (or, from the touch rule, nothing failed)
    Open = 1,      // consistent so far, some cell still open
};

// The deduction rules. Each strikes out only digits that the clues and the rules of the
// game already exclude, so an attempt that completes has exactly one solution.
// Cells are updated in place: a later cell of a pass sees the changes to earlier ones.

// A fixed digit is struck from the other cells of its hexagon.
void RemoveFixedDigits(const IndexedBoard& board, CandidateGrid& grid);
// Touching sides add up to 7; also strikes the hexagon's fixed digits. Failed as soon
// as a cell would be left without a digit, else Complete.
Verdict ApplyTouchRule(const IndexedBoard& board, CandidateGrid& grid);
// Two cells of a hexagon with the same two candidates own those two digits.
void ApplyPairRule(const IndexedBoard& board, CandidateGrid& grid);
// A digit possible in one cell of a hexagon only is that cell's digit.
void ApplyLoneDigitRule(const IndexedBoard& board, CandidateGrid& grid);

// Failed on an empty cell or a digit fixed twice in a hexagon; else Open while a cell
// is open; else the verdict of the touch sums.
Verdict CheckBoardState(const IndexedBoard& board, const CandidateGrid& grid);
// Failed when two fixed touching cells do not add up to 7, else Complete.
Verdict CheckTouchSums(const IndexedBoard& board, const CandidateGrid& grid);

// The fixed digits of hexagon h (given cells included).
DigitSet FixedDigits(const IndexedBoard& board, const CandidateGrid& grid, int hex);
// Digits the touching cell of side s still allows; none for a given or fixed cell or an
// outer side, all six when the touching cell is empty.
DigitSet TouchAllowed(const IndexedBoard& board, const CandidateGrid& grid, int hex, int side);

// The same two look-ups on candidate texts in the Solution table: the fixed digits in
// side order, the allowed digits in the order of the touching cell's text (245 gives 532).
std::string FixedDigits(const BoardLayout& layout, const PuzzleState& puzzle, int hex);
std::string TouchAllowed(const BoardLayout& layout, const PuzzleState& puzzle, int hex, int side);

// Candidate texts <-> the grid of digit sets.
void GridFromSolution(const IndexedBoard& board, const PuzzleState& puzzle, CandidateGrid& grid);
void GridToSolution(const IndexedBoard& board, const CandidateGrid& grid, PuzzleState& puzzle);

}  // namespace lumeta
