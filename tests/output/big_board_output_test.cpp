#include <gtest/gtest.h>

#include <QPainter>
#include <QPicture>

#include "output/clipboard_copy.h"
#include "output/print_target.h"
#include "output/range_pages.h"
#include "support/board_fixture.h"

namespace lumeta {
namespace {

using namespace lumeta::testing;

// One page, kept as the drawing commands that made it.
class PicturePage : public PrintTarget {
  public:
    bool Begin(QPainter& painter) override { return painter.begin(&page); }
    bool NewPage() override { return false; }
    bool Finish(QPainter& painter) override { return painter.end(); }
    QString Problem() const override { return {}; }
    QPicture page;
};

TEST(BigBoardOutput, ABigBoardIsPrintedWithinItsPageAndItsClipboardPictureHoldsItWhole) {
    const BoardAppearance appearance;
    const std::string title = "Lumeta";
    // Clipboard pictures at 15 twips per pixel: the grid's (GridCols + 1) × 663.6 wide and
    // (GridRows + 2) × 987.5 high, or when the board needs more (the 19 would lose its last
    // row), 500 + GridRows × 1167 + the 398 under the 7-hexagon board.
    // On paper the outlines end at x = 8950 on a grid of 11 columns; on 17 the puzzle block
    // is scaled to its room, right of x = 1600 and no wider than A4 or Letter leave.
    const std::tuple<int, QSize, double> boards[] = {{7, {531, 527}, 8950},
                                                     {10, {531, 682}, 8950},
                                                     {14, {796, 682}, 10700},
                                                     {19, {796, 838}, 10700}};
    for (const auto& [hexagons, size, right] : boards) {
        Board board = BuiltBoard(hexagons);
        PlacePuzzleLine(board.layout, board.puzzle, std::string(6 * hexagons, '4'));
        PuzzleSheet sheet{board.layout, board.puzzle, appearance, title, 1, "/p/f.txt"};
        const QImage picture = PuzzlePictures(sheet, 15, 15).image;
        EXPECT_EQ(picture.size(), size) << hexagons;
        CurrentPuzzle current{"/p/f.txt", 1, 1};
        PrintedGame game{board.layout, board.puzzle, current, appearance, title};
        PicturePage target;
        ASSERT_TRUE(PrintCurrentPage(target, game).ok);
        const double twips = 1440.0 / target.page.logicalDpiX();
        const QRectF drawn = QRectF(target.page.boundingRect()).adjusted(1, 1, -1, -1);
        EXPECT_NEAR(drawn.right() * twips, right, 60) << hexagons;
        EXPECT_LE(drawn.bottom() * twips, 14960) << hexagons;
    }
}

}  // namespace
}  // namespace lumeta
