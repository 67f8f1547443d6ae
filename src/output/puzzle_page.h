#pragma once

#include <string>

#include "board/board_layout.h"
#include "board/puzzle_state.h"
#include "output/print_surface.h"
#include "view/board_appearance.h"

namespace lumeta {

// The puzzle one printed block shows, and what its header names.
struct PuzzleSheet {
    BoardLayout& layout;  // its ColStep and RowStep are borrowed while a block is drawn
    const PuzzleState& puzzle;
    const BoardAppearance& appearance;  // font name and size, border width
    std::string AppTitle;
    int PuzzleNo = 0;
    std::string PuzzleFile;
};

// Block positions on a printed page, twips.
inline constexpr int kBlockLeft = 1600;
inline constexpr int kPuzzleBlockTop = 1200;
inline constexpr int kRangeSolutionTop = 12000;    // pages of a puzzle range
inline constexpr int kCurrentSolutionTop = 12500;  // the current puzzle's page

// The header line above a puzzle block: "Lumeta Puzzle ... - Puz#3:/path/puzzles.txt".
std::string PageHeaderText(const PuzzleSheet& sheet);

// One block at (x, y): solutionFlag 0 draws the header and the puzzle at full size with its
// given digits, 1 the solution reduced, every digit and no header.
void PrintPuzzlePage(PrintSurface& surface, PuzzleSheet& sheet, int x, int y, int solutionFlag);

// The hexagons and digits of a block, without the header.
void DrawPuzzleOnPrinter(PrintSurface& surface, PuzzleSheet& sheet, int x, int y, int solutionFlag);

}  // namespace lumeta
