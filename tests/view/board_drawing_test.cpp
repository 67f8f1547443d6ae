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
    // The empty board at one scale: the outline corners of hexagons 1 and 4 as x, y pairs;
    // the flat top of hexagon 1 two pen rows from `top` down; hexagon 4's vertical dividers
    // at columns x1 and x2 from row y1 to y2, its middle line on row y from column from to to.
    void ExpectEmptyBoard(int twipsPerPixel, std::vector<int> corners, QPoint top, int x1, int x2,
                          int y1, int y2, int y, int from, int to) {
        SCOPED_TRACE(::testing::Message() << twipsPerPixel << " twips per pixel");
        const QImage image = Render(twipsPerPixel);
        for (std::size_t i = 0; i + 1 < corners.size(); i += 2) {
            const int cx = corners[i], cy = corners[i + 1];
            EXPECT_GT(CountNear(image, {cx - 1, cy - 1, 3, 3}, kTestBorder, 60), 0) << i / 2;
        }
        EXPECT_EQ(Strip(image, top.x(), top.y() - 1, 4, kDown), ".##f");
        for (int h = 1; h <= board.layout.HexTotal; ++h) {
            const QPoint inside =
                Box(board.layout.HexRow[h], board.layout.HexCol[h] + 1, twipsPerPixel).center();
            EXPECT_EQ(Strip(image, inside.x(), inside.y(), 1), "f") << "hexagon " << h;
        }
        // One pixel wide and short of the outline.
        const auto divider = [](int length) { return "f" + std::string(length, 'g') + "f"; };
        for (int x : {x1, x2})
            EXPECT_EQ(Strip(image, x, y1 - 1, y2 - y1 + 3, kDown), divider(y2 - y1 + 1)) << x;
        EXPECT_EQ(Strip(image, from - 1, y, to - from + 3), divider(to - from + 1));
        EXPECT_EQ(Strip(image, from + 5, y - 1, 3, kDown), "fgf");
        EXPECT_EQ(CountNear(image, image.rect(), kTestFixed), 0);
    }

    Board board = BuiltBoard(7);
    BoardAppearance appearance = TestAppearance();
};

TEST_F(BoardRendering, OutlinesFillsAndDividesTheEmptyBoardAtFifteenAndTwelveTwipsPerPixel) {
    // Hexagon 4's box corner is (1796, 1700): dividers at 2230 and 2784 twips from 1750 to
    // 3230, the middle line at 2490 from 1756 to 3258.
    ExpectEmptyBoard(15, {135, 8, 104, 61,  135, 113, 198, 113, 230, 61,
                          198, 8, 104, 166, 135, 218, 198, 218, 230, 166},
                     {160, 7}, 149, 186, 117, 214, 166, 117, 216);
    ExpectEmptyBoard(12, {169, 10, 130, 76,  169, 142, 248, 142, 288, 76,
                          248, 10, 130, 208, 169, 274, 248, 274, 288, 208},
                     {200, 9}, 186, 232, 146, 268, 208, 146, 271);
}

TEST_F(BoardRendering, DrawsTheOutlineInBorderWidthPixelsScaledDownByHexShrink) {
    // Down column 160 from row 5: hexagon 1's flat top lies on row 8, on row 7 shrunk by 10 %.
    for (const auto& [width, shrink, strip] :
         {std::tuple{2, 0, "..##ff"}, {4, 0, ".####f"}, {1, 0, "...#ff"}, {2, 10, ".##fff"}}) {
        appearance.BorderWidth = width;
        appearance.HexShrink = shrink;
        EXPECT_EQ(Strip(Render(), 160, 5, 6, kDown), strip) << width << " " << shrink;
    }
    // Shrunk, the first divider moves in with the box width: 1796 + 427 - 40 = 2183 -> 146.
    EXPECT_EQ(Strip(Render(), 145, 30, 5), "fgfff");
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
    Board allGiven = board;
    for (auto& row : allGiven.puzzle.Shown)
        row.fill(1);
    EXPECT_EQ(RenderBoard(allGiven, appearance, 15, 0), solution);

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

TEST_F(BoardRendering, DrawsOnEveryDevicePixelOfAHighDpiImageInTheSameTwips) {
    PlacePuzzleLine(board.layout, board.puzzle, kSampleLine);
    const QImage image = Render(15, 0, 2.0), single = Render();
    EXPECT_EQ(Strip(image, 320, 13, 6, kDown), ".####f");  // hexagon 1's top, logical rows 7, 8
    EXPECT_EQ(Strip(image, 297, 280, 4), "fggf");          // the divider at logical column 149
    // Digits are drawn at the finer resolution, not magnified.
    EXPECT_GT(CountNear(image, image.rect(), kTestFixed),
              3 * CountNear(single, single.rect(), kTestFixed));
}

}  // namespace
}  // namespace lumeta
