#pragma once

#include <string>
#include <vector>

#include "board/board_layout.h"
#include "board/puzzle_state.h"

namespace lumeta {

// A next step for the player on the board in play.
struct Hint {
    enum class Kind {
        None,        // no puzzle, the board is full, or no move decides a compartment
        WrongEntry,  // an entry differs from the solution
        Decided,     // a rule decides an empty compartment
    };
    Kind kind = Kind::None;
    int row = 0, col = 0;  // the compartment, a grid position
    int hex = 0, side = 0;
    int digit = 0;     // Decided: the digit that goes there
    std::string text;  // one sentence for the status line
};

// Wrong entries come first: a wrong digit need not break a visible rule. Otherwise the
// player model's easiest move from the shown digits and the entries, and why it holds.
Hint FindHint(const BoardLayout& layout, const PuzzleState& puzzle);

// The compartments whose entries differ from the solution, as grid positions.
struct GridCell {
    int row = 0, col = 0;
};
std::vector<GridCell> WrongEntries(const BoardLayout& layout, const PuzzleState& puzzle);

}  // namespace lumeta
