#pragma once

#include <cstdint>
#include <string>

#include "board/board_layout.h"
#include "board/puzzle_state.h"
#include "puzzlefiles/current_puzzle.h"

namespace lumeta {

// Number of lines (puzzles) of a file; 0 when it cannot be opened or read, is no regular
// file, or has more lines than a puzzle number can reach (then it is as unreadable).
int CountPuzzles(const std::string& file);

// The puzzle count for a file of `lines` lines: 0 past the largest puzzle number.
int PuzzleCountOf(std::int64_t lines);

// What LoadPuzzle did, so the window can do its part: hide the marker always; on
// NoPuzzles show `message`; on Loaded set the labels, clear the selection and the undo
// list and give the board the focus.
struct LoadReport {
    enum class Kind { NoPuzzles, NumberTooHigh, Unreadable, Loaded };
    Kind kind = Kind::NoPuzzles;
    std::string message;      // NoPuzzles: "<file> does not appear to have any puzzles"
    std::string puzzleLabel;  // Loaded: "p# 3 of 120"
    std::string fileLabel;    // Loaded: the file name after the last separator
    std::string fileTooltip;  // Loaded: the full path
    std::string viewProblem;  // Loaded: why the line's view field was not used, if it was not
    // Loaded: the board the line is for (7, 10, 14 or 19 hexagons), 0 when its length fits
    // none; such a line is read on the 7-hexagon board as far as it goes.
    int lineHexagons = 0;
    std::size_t lineLength = 0;  // Loaded: characters of the line's solution field
    bool loaded() const { return kind == Kind::Loaded; }
};

// Loads puzzle n (-1: the last, written back to n) of `file`. The line's length says its
// board: when that is not the board as built, the layout is built again for it (a line that
// fits no board goes on the 7-hexagon board), so the caller compares layout.HexTotal with
// the board it drew before. The caller has set current.PuzzleCount by CountPuzzles. A count
// of 0 changes nothing; n above the count sets err to -1 and changes nothing. A file that
// can no longer be read, or has lost line n since it was counted, also sets err to -1 and
// changes nothing.
LoadReport LoadPuzzle(BoardLayout& layout, PuzzleState& puzzle, CurrentPuzzle& current,
                      const std::string& file, int& n, int& err);

// The labels' texts.
std::string PuzzleLabelText(int puzzleNo, int puzzleCount);
std::string FileLabelText(const std::string& file);

}  // namespace lumeta
