#pragma once

#include <string>

#include "board/board_layout.h"
#include "board/puzzle_state.h"

namespace lumeta {

// The board as terminal text: a honeycomb of hexagons, each two text rows high with its
// sides 1 2 3 on the upper row and 6 5 4 on the lower one. Clue digits are shown; open
// cells stay blank unless showSolution is set.
//          _______
//  _______/ 1 2 3 \_______
// / 1 2 3 \_6_5_4_/ 1 2 3 \        (digits stand for the sides)
std::string TextBoard(const BoardLayout& layout, const PuzzleState& puzzle, bool showSolution);

}  // namespace lumeta
