#pragma once

#include <string>

namespace lumeta {

// The puzzle file in use and where in it the board is.
struct CurrentPuzzle {
    std::string PuzzleFile;  // empty when none
    int PuzzleNo = 0;        // 0 when none
    int PuzzleCount = 0;     // lines of PuzzleFile when last counted
};

}  // namespace lumeta
