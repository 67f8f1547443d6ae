#pragma once

#include <optional>

#include "generator/random_source.h"

namespace lumeta {

// The three arrow buttons, by their index.
enum NavigateIndex { kPrevious = 0, kRandom = 1, kNext = 2 };

// The puzzle an arrow button leads to, from puzzle `puzzleNo` of a file of `puzzleCount`
// (counted afresh). Previous and next wrap around; with the right button (2) previous goes
// to the first puzzle and next to the last. Random picks 1..count whatever the button, and
// may pick the current puzzle again. None for an unknown index.
std::optional<int> NavigateTarget(int index, int button, int puzzleNo, int puzzleCount,
                                  RandomSource& random);

}  // namespace lumeta
