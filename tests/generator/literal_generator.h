#pragma once

#include "board/board_layout.h"
#include "board/puzzle_state.h"
#include "generator/puzzle_generator.h"
#include "generator/random_source.h"

namespace lumeta::testing {

// The generating method transcribed step by step on candidate texts in the Solution
// table, with every cycle run to the limit: the reference the fast generator must match
// attempt for attempt on the same random stream.
long long LiteralCreatePuzzle(const BoardLayout& layout, PuzzleState& puzzle, DigitPerm& perm,
                              RandomSource& random);

// One attempt's cycles on the texts already in puzzle.Solution: -1, 0 or 1.
int LiteralRunAttempt(const BoardLayout& layout, PuzzleState& puzzle);

}  // namespace lumeta::testing
