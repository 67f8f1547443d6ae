#pragma once

#include <string>

#include "board/board_layout.h"
#include "board/puzzle_state.h"
#include "puzzlefiles/safe_replace.h"

namespace lumeta {

enum class WriteMode { Replace = 0, Append = 1 };

// Writes the board's solution (with its view field, if the puzzle has one) as one line
// ending in CR LF: Replace creates the file anew, Append adds to it (creating it when
// missing, and first ending a last line that has no line end). On failure the file is
// left as it was and false is returned.
bool WritePuzzleLine(const BoardLayout& layout, const PuzzleState& puzzle, const std::string& file,
                     WriteMode mode);

// Appends "." + ext to a name with no "." anywhere in it; leaves any other name unchanged.
void AddDefaultExtension(std::string& name, const std::string& ext);

}  // namespace lumeta
