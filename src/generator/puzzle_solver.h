#pragma once

#include <string>
#include <string_view>

#include "board/board_layout.h"

namespace lumeta {

struct SolutionCount {
    int count = 0;          // solutions found, at most the limit asked for
    std::string firstLine;  // the first solution as a puzzle line, empty when none
};

// Counts the solutions of the clue set in `line` by exhaustive search, stopping at
// `limit`. Only the characters at the layout's given cells are read; the search knows
// nothing of the generator's rules, so it proves (or disproves) a puzzle unique on its own.
SolutionCount CountSolutions(const BoardLayout& layout, std::string_view line, int limit = 2);

}  // namespace lumeta
