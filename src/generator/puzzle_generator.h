#pragma once

#include <array>
#include <functional>
#include <utility>

#include "board/board_layout.h"
#include "board/puzzle_state.h"
#include "generator/indexed_board.h"
#include "generator/random_source.h"

namespace lumeta {

// The order the clue digits are dealt in: entries 1..6, always a permutation of 1..6.
// Each shuffle permutes whatever order the previous one left; it is never reset.
struct DigitPerm {
    std::array<int, 7> entry = {0, 1, 2, 3, 4, 5, 6};
};

// Called once at the start of every attempt (the window lets pending events run there).
using AttemptHook = std::function<void()>;

// Shuffles DigitPerm from the top down, one fresh draw per place.
inline void ShuffleDigits(DigitPerm& perm, RandomSource& random) {
    random.DrawDown(6, [&perm](int n, int j) { std::swap(perm.entry[j], perm.entry[n]); });
}

// Runs attempts until one completes and leaves the solved board in puzzle.Solution.
// Returns the number of attempts it took. Boards of more than seven hexagons also show
// inner compartments (see CreateShownPuzzle): puzzle.Shown says which, and HasView is set.
long long CreatePuzzle(const BoardLayout& layout, PuzzleState& puzzle, DigitPerm& perm,
                       RandomSource& random, const AttemptHook& perAttempt = {});

}  // namespace lumeta
