#include <gtest/gtest.h>

#include "board_render.h"

namespace lumeta {
namespace {

using namespace lumeta::testing;

class BoardRendering : public ::testing::Test {
  protected:
    QImage Render(int twipsPerPixel = 15, int showSolution = 0, double ratio = 1.0) const {
        return RenderBoard(board, appearance, twipsPerPixel, showSolution, ratio);
    }
    QRect Box(int row, int col, int twipsPerPixel = 15) const {
        return BoxPixels(GeometryAt(board, twipsPerPixel), row, col, board.layout);
    }
    Board board = BuiltBoard(7);
    BoardAppearance appearance = TestAppearance();
};

TEST_F(BoardRendering, OutlinesFillsAndDividesTheEmptyBoard) {
    const QImage image = Render();
    EXPECT_EQ(Strip(image, 160, 6, 4, kDown), ".##f");  // hexagon 1's flat top
    for (int h = 1; h <= board.layout.HexTotal; ++h) {
        const QPoint inside = Box(board.layout.HexRow[h], board.layout.HexCol[h] + 1).center();
        EXPECT_EQ(Strip(image, inside.x(), inside.y(), 1), "f") << "hexagon " << h;
    }
    // Hexagon 4's box corner is (1796, 1700): one-pixel dividers short of the outline at 2230
    // and 2784 twips from 1750 to 3230, the middle line at 2490 from 1756 to 3258.
    const auto line = [](int length) { return "f" + std::string(length, 'g') + "f"; };
    for (int x : {149, 186})
        EXPECT_EQ(Strip(image, x, 116, 100, kDown), line(98)) << x;
    EXPECT_EQ(Strip(image, 116, 166, 102), line(100));
    EXPECT_EQ(CountNear(image, image.rect(), kTestFixed), 0);
}

TEST_F(BoardRendering, DrawsTheOutlineInBorderWidthPixelsScaledDownByHexShrink) {
    // Down column 160 from row 5: hexagon 1's flat top lies on row 8, on row 7 shrunk by 10 %.
    for (const auto& [width, shrink, strip] :
         {std::tuple{2, 0, "..##ff"}, {4, 0, ".####f"}, {1, 0, "...#ff"}, {2, 10, ".##fff"}}) {
        appearance.BorderWidth = width;
        appearance.HexShrink = shrink;
        EXPECT_EQ(Strip(Render(), 160, 5, 6, kDown), strip) << width << " " << shrink;
    }
}

TEST_F(BoardRendering, ShowsGivenDigitsAndEntriesAsPlayedAndEverySolutionDigitWhenAsked) {
    PlacePuzzleLine(board.layout, board.puzzle, kSampleLine);
    board.puzzle.Entry[3][6] = "5";  // an open cell of hexagon 4 whose solution is "2"
    board.puzzle.Entry[1][6] = "6";  // a given cell, which keeps showing its "3"
    const QImage played = Render();
    const QImage solution = Render(15, 1);
    for (int row = 1; row <= board.layout.GridRows; ++row)
        for (int col = 1; col <= board.layout.GridCols; ++col) {
            if (!board.layout.IsBoardCell(row, col)) continue;
            SCOPED_TRACE(::testing::Message() << row << "," << col);
            const bool given = board.layout.Given[row][col] == 1;
            const bool entered = !given && !board.puzzle.Entry[row][col].empty();
            EXPECT_EQ(CountNear(played, Box(row, col), kTestFixed) > 0, given);
            EXPECT_EQ(CountNear(played, Box(row, col), kTestUser) > 0, entered);
            EXPECT_GT(CountNear(solution, Box(row, col), kTestFixed), 3);
        }
    // The entry itself is drawn, not the solution; the given cell's entry never is.
    board.puzzle.Entry[3][6] = "2";
    board.puzzle.Entry[1][6].clear();
    const QImage two = Render();
    EXPECT_NE(two.copy(Box(3, 6)), played.copy(Box(3, 6)));
    EXPECT_EQ(two.copy(Box(1, 6)), played.copy(Box(1, 6)));
}

TEST_F(BoardRendering, CentresADigitInItsBoxAtFifteenAndTwelveTwipsPerPixel) {
    PlacePuzzleLine(board.layout, board.puzzle, kSampleLine);
    // The given "3" of row 1, column 6; 10 points are more pixels at 12 twips per pixel.
    for (const auto& [scale, slackX, slackY, height] :
         {std::tuple{15, 2.5, 3.5, 7}, {12, 3., 4., 9}}) {
        const QImage image = Render(scale);
        const QRect box = Box(1, 6, scale);
        QRect ink;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                if (CountNear(image, {x, y, 1, 1}, kTestFixed, 100)) ink |= QRect(x, y, 1, 1);
        EXPECT_NEAR(ink.center().x(), box.center().x(), slackX) << scale;
        EXPECT_NEAR(ink.center().y(), box.center().y(), slackY) << scale;
        EXPECT_GE(ink.height(), height) << scale;
    }
}

TEST_F(BoardRendering, DrawsDigitsAtTheFinerResolutionOfAHighDpiImage) {
    PlacePuzzleLine(board.layout, board.puzzle, kSampleLine);
    const QImage image = Render(15, 0, 2.0), single = Render();
    EXPECT_GT(CountNear(image, image.rect(), kTestFixed),
              3 * CountNear(single, single.rect(), kTestFixed));
}

}  // namespace
}  // namespace lumeta
