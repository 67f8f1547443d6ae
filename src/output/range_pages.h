#pragma once

#include <functional>
#include <string>

#include "board/board_layout.h"
#include "board/puzzle_state.h"
#include "puzzlefiles/current_puzzle.h"
#include "view/board_appearance.h"

class QPainter;
class QPrinter;

namespace lumeta {

class CurrentPrinter;

// The game state printing reads, and loads puzzles into.
struct PrintedGame {
    BoardLayout& layout;
    PuzzleState& puzzle;
    CurrentPuzzle& current;
    const BoardAppearance& appearance;
    const std::string& AppTitle;
};

// How a document of puzzle pages went.
struct RangePages {
    bool started = false;  // the printer or file could be opened
    bool ok = false;       // every page reached it
    bool cancelled = false;
    long long printed = 0;  // pages, one per puzzle
};

// Puzzles from..to of the current file, as far as the file goes, each loaded onto the board
// and printed on a page of its own with its solution; a puzzle that fails to load leaves its
// page empty. `afterPage` hears of every page and returns false to end the document there.
// The board holds the last puzzle loaded afterwards.
RangePages PrintRangePages(CurrentPrinter& printer, PrintedGame& game, int from, int to,
                           const std::function<bool(long long printed)>& afterPage = {});

// Whether the document a painter just ended reached its printer or file.
bool DocumentFinished(QPainter& painter, const CurrentPrinter& printer);

}  // namespace lumeta
