#pragma once

#include "board/board_layout.h"
#include "board/puzzle_state.h"
#include "generator/indexed_board.h"
#include "generator/player_model.h"
#include "generator/puzzle_generator.h"
#include "generator/random_source.h"

namespace lumeta {

// Puzzles for boards of more than seven hexagons. Their outer sides alone seldom decide a
// board (one deal in sixteen on ten hexagons, one in fifty thousand on nineteen), so these
// puzzles also show a few inner compartments, which the view field carries.
//
// A random filled board comes first; its outer sides are shown, and while the player's
// moves (PlayerModel) stall, one more of the compartments they left open is shown. Shown
// inner compartments the player turns out not to need are hidden again, in random order.
// Every move is sound, so a board the player fills has exactly that one solution.
//
// Leaves the solution in puzzle.Solution, the shown compartments in puzzle.Shown and sets
// puzzle.HasView; returns the filled boards it took (the hook runs before each).
long long CreateShownPuzzle(const BoardLayout& layout, PuzzleState& puzzle, RandomSource& random,
                            const AttemptHook& perAttempt = {});

// A random solution of the board: hexagons in number order, each a random arrangement of
// 1..6 that adds up to 7 with the hexagons placed before it, going back when none does.
// The digit of each cell index goes to `digits`.
void FillRandomSolution(const IndexedBoard& board, RandomSource& random, KnownDigits& digits);

}  // namespace lumeta
