#include "output/puzzle_page.h"

#include <algorithm>

#include "board/num_text.h"
#include "controls/colour_value.h"
#include "controls/twips.h"

namespace lumeta {

namespace {

constexpr std::uint32_t kBlack = RGBValue(0, 0, 0);
constexpr std::uint32_t kDarkGrey = RGBValue(128, 128, 128);

// The solution block is drawn at 1 / 3.25 of that, computed in single precision.
constexpr float kSolutionScale = 1.0f / 3.25f;

// The screen's pitches stay in the layout; a block borrows them for its own.
class BorrowedSteps {
  public:
    BorrowedSteps(BoardLayout& layout, int colStep, int rowStep)
        : layout_(layout), colStep_(layout.ColStep), rowStep_(layout.RowStep) {
        layout.ColStep = colStep;
        layout.RowStep = rowStep;
    }
    ~BorrowedSteps() {
        layout_.ColStep = colStep_;
        layout_.RowStep = rowStep_;
    }
    BorrowedSteps(const BorrowedSteps&) = delete;
    BorrowedSteps& operator=(const BorrowedSteps&) = delete;

  private:
    BoardLayout& layout_;
    int colStep_;
    int rowStep_;
};

// A block's cell boxes, twips: full size on a puzzle block, reduced on a solution block.
struct BlockSteps {
    int C;
    int R;
};
BlockSteps UnscaledSteps(bool solution) {
    if (!solution) return {kPaperColStep, kPaperRowStep};
    return {RoundHalfEven(static_cast<float>(kPaperColStep) * kSolutionScale),
            RoundHalfEven(static_cast<float>(kPaperRowStep) * kSolutionScale)};
}

}  // namespace

BlockExtent BoardBlockExtent(const BoardLayout& layout, double colStep, double rowStep) {
    // A hexagon reaches 3.5 boxes right of its origin box's left edge (its right corner lies
    // half a box past its third box) and two rows down.
    BlockExtent extent;
    for (int h = 1; h <= layout.HexTotal; ++h) {
        extent.width = std::max(extent.width, (layout.HexCol[h] - 1 + 3.5) * colStep);
        extent.height = std::max(extent.height, (layout.HexRow[h] + 1.0) * rowStep);
    }
    return extent;
}

double PageFitScale(const BoardLayout& layout, int solutionFlag) {
    const bool solution = solutionFlag == 1;
    const BlockSteps steps = UnscaledSteps(solution);
    const BlockExtent extent = BoardBlockExtent(layout, steps.C, steps.R);
    const double roomWidth = solution ? kSolutionBlockRoomWidth : kPuzzleBlockRoomWidth;
    const double roomHeight = solution ? kSolutionBlockRoomHeight : kPuzzleBlockRoomHeight;
    double scale = 1.0;
    if (extent.width > roomWidth) scale = std::min(scale, roomWidth / extent.width);
    if (extent.height > roomHeight) scale = std::min(scale, roomHeight / extent.height);
    return scale;
}

std::string PageHeaderText(const PuzzleSheet& sheet) {
    // The program has no web address to put between the title and the number.
    return sheet.AppTitle + " Puzzle ..." + " - Puz#" + NumText(sheet.PuzzleNo) + ":" +
           sheet.PuzzleFile;
}

void PrintPuzzlePage(PrintSurface& surface, PuzzleSheet& sheet, int x, int y, int solutionFlag) {
    surface.SetDrawWidth(3);
    surface.SetForeColour(kBlack);
    surface.SetFont(sheet.appearance.BoardFontName, false);
    // The header sits one screen pitch in from the block and 400 twips above it.
    surface.SetCurrentX(x + sheet.layout.ColStep);
    surface.SetCurrentY(y - 400);
    surface.SetFontSize(7);
    if (solutionFlag == 0) surface.Print(PageHeaderText(sheet));
    DrawPuzzleOnPrinter(surface, sheet, x, y, solutionFlag);
}

void DrawPuzzleOnPrinter(PrintSurface& surface, PuzzleSheet& sheet, int x, int y,
                         int solutionFlag) {
    const bool solution = solutionFlag == 1;
    auto [C, R] = UnscaledSteps(solution);
    // A big board on paper: boxes, the dividers' insets and the digits shrink together.
    const double fit = sheet.fitPage ? PageFitScale(sheet.layout, solutionFlag) : 1.0;
    int dividerInset = 40;
    int dividerEnd = 50;
    if (fit < 1.0) {
        C = RoundHalfEven(C * fit);
        R = RoundHalfEven(R * fit);
        dividerInset = RoundHalfEven(dividerInset * fit);
        dividerEnd = RoundHalfEven(dividerEnd * fit);
    }
    const BorrowedSteps steps(sheet.layout, C, R);
    const BoardLayout& layout = sheet.layout;
    const PuzzleState& puzzle = sheet.puzzle;

    surface.SetDrawWidth(1);
    for (int h = 1; h <= layout.HexTotal; ++h) {
        const int X0 = (layout.HexCol[h] - 1) * C + x;
        const int Y0 = (layout.HexRow[h] - 1) * R + y;

        surface.SetDrawWidth(1);
        const int in = dividerInset;
        const int end = dividerEnd;
        surface.Line(X0 + C - in, Y0 + end, X0 + C - in, Y0 + 2 * R - end, kDarkGrey);
        surface.Line(X0 + 2 * C + in, Y0 + end, X0 + 2 * C + in, Y0 + 2 * R - end, kDarkGrey);
        surface.Line(X0, Y0 + R, X0 + 3 * C, Y0 + R, kDarkGrey);

        surface.SetDrawWidth(solution ? 1 : 2 * sheet.appearance.BorderWidth);
        const int XL = RoundHalfEven(X0 + C / 2.0);
        surface.Line(XL, Y0, XL - C, Y0 + R, kBlack);
        surface.LineTo(XL, Y0 + 2 * R, kBlack);
        surface.LineTo(XL + 2 * C, Y0 + 2 * R, kBlack);
        surface.LineTo(XL + 3 * C, Y0 + R, kBlack);
        surface.LineTo(XL + 2 * C, Y0, kBlack);
        surface.LineTo(XL, Y0, kBlack);

        const double fontSize = sheet.appearance.BoardFontSize * fit;
        surface.SetFontSize(solution ? fontSize / 2.5 : fontSize);
        for (int side = 1; side <= 6; ++side) {
            const int n = layout.HexCell[h][side];
            const int row = layout.CellRow[n];
            const int col = layout.CellCol[n];
            // Entries are never printed: givens on a puzzle block, every digit on a solution.
            std::string text;
            if (solution || puzzle.Shown[row][col] == 1) text = puzzle.Solution[row][col];
            surface.SetCurrentX(((col - 1) * C + x) + (C - surface.TextWidth(text)) / 2.0);
            surface.SetCurrentY(((row - 1) * R + y) + (R - surface.TextHeight(text)) / 2.0);
            surface.Print(text);
        }
    }
}

}  // namespace lumeta
