#pragma once

#include <QString>
#include <functional>
#include <string>

#include "board/board_layout.h"
#include "board/puzzle_state.h"
#include "puzzlefiles/current_puzzle.h"
#include "view/board_appearance.h"

namespace lumeta {

class PrintTarget;

// The game state printing reads, and loads puzzles into.
struct PrintedGame {
    BoardLayout& layout;
    PuzzleState& puzzle;
    CurrentPuzzle& current;
    const BoardAppearance& appearance;
    const std::string& AppTitle;
};

// How a document of puzzle pages went.
struct PrintedPages {
    bool ok = false;  // the document reached its printer or file
    bool cancelled = false;
    long long printed = 0;  // pages that reached it, one per puzzle
    QString problem;        // why not, when it did not
};

// Puzzles from..to of the current file, as far as the file goes, each loaded onto the board
// and printed on a page of its own with its solution; a puzzle that fails to load leaves its
// page empty. `afterPage` hears of every page and returns false to end the document there,
// with the pages so far. The board holds the last puzzle loaded afterwards.
PrintedPages PrintRangePages(PrintTarget& target, PrintedGame& game, int from, int to,
                             const std::function<bool(long long drawn)>& afterPage = {});

// The puzzle on the board and its solution on one page.
PrintedPages PrintCurrentPage(PrintTarget& target, PrintedGame& game);

// The name of a print job: the program, the puzzle file's name and the puzzles printed.
QString JobTitle(const std::string& appTitle, const std::string& file, int from, int to);

}  // namespace lumeta
