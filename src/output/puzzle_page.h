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
    // On paper a board larger than the page's room for a block is drawn smaller; a picture
    // (the clipboard's) takes every board at full size and grows with it.
    bool fitPage = false;
};

// Block positions on a printed page, twips.
inline constexpr int kBlockLeft = 1600;
inline constexpr int kPuzzleBlockTop = 1200;
inline constexpr int kRangeSolutionTop = 12000;    // pages of a puzzle range
inline constexpr int kCurrentSolutionTop = 12500;  // the current puzzle's page

// The box of one compartment on a full-size block, twips: 262500 / 225 = 1166.67 rounds to
// 1167.
inline constexpr int kPaperColStep = 700;
inline constexpr int kPaperRowStep = 1167;

// Room for each block on a printed page, twips from the block's reference point: the
// 7-hexagon board fits both at full size.
inline constexpr int kPuzzleBlockRoomWidth = 9100;
inline constexpr int kPuzzleBlockRoomHeight = 10000;
inline constexpr int kSolutionBlockRoomWidth = 2600;
inline constexpr int kSolutionBlockRoomHeight = 2400;

// Width and height, twips from (x, y), of the hexagon outlines of a block of the board as
// built, drawn with cell boxes of colStep by rowStep.
struct BlockExtent {
    double width = 0;
    double height = 0;
};
BlockExtent BoardBlockExtent(const BoardLayout& layout, double colStep, double rowStep);

// The scale, at most 1, that brings a block of the board into its room on a printed page.
double PageFitScale(const BoardLayout& layout, int solutionFlag);

// The header line above a puzzle block: "Lumeta Puzzle ... - Puz#3:/path/puzzles.txt".
std::string PageHeaderText(const PuzzleSheet& sheet);

// One block at (x, y): solutionFlag 0 draws the header and the puzzle at full size with its
// given digits, 1 the solution reduced, every digit and no header.
void PrintPuzzlePage(PrintSurface& surface, PuzzleSheet& sheet, int x, int y, int solutionFlag);

// The hexagons and digits of a block, without the header.
void DrawPuzzleOnPrinter(PrintSurface& surface, PuzzleSheet& sheet, int x, int y, int solutionFlag);

}  // namespace lumeta
