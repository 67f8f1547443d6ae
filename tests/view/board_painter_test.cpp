#include "view/board_painter.h"

#include <gtest/gtest.h>

#include <QPainter>

#include "board_render.h"
#include "view/board_font.h"

namespace lumeta {
namespace {

using namespace lumeta::testing;

Board SampleBoard() {
    Board board = BuiltBoard(7);
    PlacePuzzleLine(board.layout, board.puzzle, kSampleLine);
    return board;
}

BoardGeometry GeometryAt(const Board& board, int twipsPerPixel) {
    BoardGeometry geometry;
    PrepareGeometry(geometry, board.layout, twipsPerPixel, twipsPerPixel,
                    BoardTextExtent(TestFont(), twipsPerPixel, twipsPerPixel));
    return geometry;
}

// Every board cell, visited once.
template <typename Visit>
void ForEachBoardCell(const BoardLayout& layout, Visit visit) {
    for (int row = 1; row <= layout.GridRows; ++row)
        for (int col = 1; col <= layout.GridCols; ++col)
            if (layout.IsBoardCell(row, col)) visit(row, col);
}

// ---- Outline, fill and dividers at 15 twips per pixel --------------------------------

class EmptyBoardAt15 : public ::testing::Test {
  protected:
    Board board = BuiltBoard(7);
    QImage image = RenderBoard(board, TestAppearance(), 15, 0);
};

TEST_F(EmptyBoardAt15, HasThePictureSize) {
    EXPECT_EQ(image.size(), QSize(339, 335));
}

TEST_F(EmptyBoardAt15, OutlinesHexagonOneAtItsCorners) {
    for (const auto& [x, y] :
         {std::pair{135, 8}, {104, 61}, {135, 113}, {198, 113}, {230, 61}, {198, 8}})
        EXPECT_TRUE(ColourAround(image, x, y, kTestBorder)) << x << "," << y;
    // Beyond the corners lies the background.
    EXPECT_TRUE(IsColour(image, 131, 3, kTestBack));
    EXPECT_TRUE(IsColour(image, 99, 55, kTestBack));
    EXPECT_TRUE(IsColour(image, 234, 55, kTestBack));
    EXPECT_TRUE(IsColour(image, 203, 3, kTestBack));
}

TEST_F(EmptyBoardAt15, OutlinesHexagonFourAtItsCorners) {
    for (const auto& [x, y] :
         {std::pair{135, 113}, {104, 166}, {135, 218}, {198, 218}, {230, 166}, {198, 113}})
        EXPECT_TRUE(ColourAround(image, x, y, kTestBorder)) << x << "," << y;
}

TEST_F(EmptyBoardAt15, DrawsTheFlatTopTwoPixelsWideOnTheTemplateRow) {
    // Hexagon 1's top edge is y = 8: the pen of width 2 covers rows 7 and 8.
    for (int x : {140, 160, 190}) {
        EXPECT_TRUE(IsColour(image, x, 6, kTestBack)) << x;
        EXPECT_TRUE(IsColour(image, x, 7, kTestBorder)) << x;
        EXPECT_TRUE(IsColour(image, x, 8, kTestBorder)) << x;
        EXPECT_TRUE(IsColour(image, x, 9, kTestFill)) << x;
    }
}

TEST_F(EmptyBoardAt15, FillsEveryHexagonInside) {
    const BoardGeometry g = GeometryAt(board, 15);
    for (int h = 1; h <= board.layout.HexTotal; ++h) {
        // Upper middle compartment, clear of dividers and digits.
        const int row = board.layout.HexRow[h];
        const int col = board.layout.HexCol[h] + 1;
        const int x = Nearest((g.CellX[row][col] + 100) / 15.0);
        const int y = Nearest((g.CellY[row][col] + 100) / 15.0);
        EXPECT_TRUE(IsColour(image, x, y, kTestFill)) << "hexagon " << h;
    }
    EXPECT_TRUE(IsColour(image, 140, 20, kTestFill));
}

TEST_F(EmptyBoardAt15, DrawsTheThreeDividersOfHexagonFour) {
    // Box corner (1796, 1700): verticals at 2230 and 2784 twips (pixels 149 and 186) from
    // 1750 to 3230 (rows 117..214), the middle line at 2490 (row 166) from 1756 to 3258
    // (columns 117..216).
    for (int y : {117, 140, 190, 214}) {
        EXPECT_TRUE(IsColour(image, 149, y, kTestGrid)) << y;
        EXPECT_TRUE(IsColour(image, 186, y, kTestGrid)) << y;
    }
    for (int x : {117, 130, 170, 200, 216})
        EXPECT_TRUE(IsColour(image, x, 166, kTestGrid)) << x;

    // One pixel wide, stopping short of the outline.
    EXPECT_TRUE(IsColour(image, 148, 140, kTestFill));
    EXPECT_TRUE(IsColour(image, 150, 140, kTestFill));
    EXPECT_TRUE(IsColour(image, 185, 140, kTestFill));
    EXPECT_TRUE(IsColour(image, 187, 140, kTestFill));
    EXPECT_TRUE(IsColour(image, 149, 116, kTestFill));
    EXPECT_TRUE(IsColour(image, 149, 215, kTestFill));
    EXPECT_TRUE(IsColour(image, 170, 165, kTestFill));
    EXPECT_TRUE(IsColour(image, 170, 167, kTestFill));
    EXPECT_TRUE(IsColour(image, 116, 166, kTestFill));
    EXPECT_TRUE(IsColour(image, 217, 166, kTestFill));
}

TEST_F(EmptyBoardAt15, ShowsNoDigitWithoutAPuzzle) {
    EXPECT_EQ(CountNear(image, image.rect(), kTestFixed), 0);
    EXPECT_EQ(CountNear(image, image.rect(), kTestUser), 0);
    EXPECT_TRUE(IsColour(image, 2, 2, kTestBack));
    EXPECT_TRUE(IsColour(image, 330, 330, kTestBack));
}

// ---- The same board at 12 twips per pixel --------------------------------------------

TEST(EmptyBoardAt12, FollowsTheTemplateAndDividersAtThatScale) {
    const Board board = BuiltBoard(7);
    const QImage image = RenderBoard(board, TestAppearance(), 12, 0);
    EXPECT_EQ(image.size(), QSize(424, 419));
    for (const auto& [x, y] : {std::pair{169, 10},
                               {130, 76},
                               {169, 142},
                               {248, 142},
                               {288, 76},
                               {248, 10},
                               {130, 208},
                               {169, 274},
                               {248, 274},
                               {288, 208}})
        EXPECT_TRUE(ColourAround(image, x, y, kTestBorder)) << x << "," << y;
    for (int x : {180, 220}) {
        EXPECT_TRUE(IsColour(image, x, 8, kTestBack)) << x;
        EXPECT_TRUE(IsColour(image, x, 9, kTestBorder)) << x;
        EXPECT_TRUE(IsColour(image, x, 10, kTestBorder)) << x;
        EXPECT_TRUE(IsColour(image, x, 11, kTestFill)) << x;
    }
    // Hexagon 4: verticals at 2230/12 -> 186 and 2784/12 = 232, rows 146..268; the middle
    // line at 2490/12 = 207.5 -> 208, columns 146..271.
    for (int y : {146, 200, 268}) {
        EXPECT_TRUE(IsColour(image, 186, y, kTestGrid)) << y;
        EXPECT_TRUE(IsColour(image, 232, y, kTestGrid)) << y;
    }
    EXPECT_TRUE(IsColour(image, 186, 145, kTestFill));
    EXPECT_TRUE(IsColour(image, 186, 269, kTestFill));
    for (int x : {146, 200, 271})
        EXPECT_TRUE(IsColour(image, x, 208, kTestGrid)) << x;
    EXPECT_TRUE(IsColour(image, 200, 207, kTestFill));
    EXPECT_TRUE(IsColour(image, 145, 208, kTestFill));
    EXPECT_TRUE(IsColour(image, 272, 208, kTestFill));
}

// ---- Digits -----------------------------------------------------------------------------

class SampleBoardAt15 : public ::testing::Test {
  protected:
    Board board = SampleBoard();
    BoardGeometry geometry = GeometryAt(board, 15);

    QRect Box(int row, int col) const { return BoxPixels(geometry, row, col, board.layout); }
};

TEST_F(SampleBoardAt15, ShowsEveryGivenDigitInTheFixedColourAndNothingElse) {
    const QImage image = RenderBoard(board, TestAppearance(), 15, 0);
    ForEachBoardCell(board.layout, [&](int row, int col) {
        const int ink = CountNear(image, Box(row, col), kTestFixed);
        if (board.layout.Given[row][col] == 1)
            EXPECT_GT(ink, 3) << row << "," << col;
        else
            EXPECT_EQ(ink, 0) << row << "," << col;
    });
    EXPECT_EQ(CountNear(image, image.rect(), kTestUser), 0);
}

TEST_F(SampleBoardAt15, CentresTheDigitInItsBox) {
    const QImage image = RenderBoard(board, TestAppearance(), 15, 0);
    // Hexagon 1, side 2 (row 1, column 6) holds a given "3".
    const QRect box = Box(1, 6);
    QRect ink;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (IsColour(image, x, y, kTestFixed, 100)) ink |= QRect(x, y, 1, 1);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_NEAR(ink.center().x(), box.center().x(), 2.5);
    EXPECT_NEAR(ink.center().y(), box.center().y(), 3.5);
    EXPECT_GE(ink.height(), 7);  // a 10-point digit, not a speck
}

TEST_F(SampleBoardAt15, ShowsAnEntryInTheUserColour) {
    board.puzzle.Entry[3][6] = "5";  // hexagon 4, side 2, an open cell
    const QImage image = RenderBoard(board, TestAppearance(), 15, 0);
    EXPECT_GT(CountNear(image, Box(3, 6), kTestUser), 3);
    EXPECT_EQ(CountNear(image, Box(3, 6), kTestFixed), 0);
    EXPECT_EQ(CountNear(image, Box(3, 5), kTestUser), 0);
}

TEST_F(SampleBoardAt15, KeepsTheSolutionDigitOnAGivenCellThatHasAnEntry) {
    board.puzzle.Entry[1][6] = "6";
    const QImage image = RenderBoard(board, TestAppearance(), 15, 0);
    EXPECT_GT(CountNear(image, Box(1, 6), kTestFixed), 3);
    EXPECT_EQ(CountNear(image, Box(1, 6), kTestUser), 0);
}

TEST_F(SampleBoardAt15, ShowingTheSolutionWritesEveryDigitInTheFixedColour) {
    board.puzzle.Entry[3][6] = "5";
    const QImage solution = RenderBoard(board, TestAppearance(), 15, 1);
    ForEachBoardCell(board.layout, [&](int row, int col) {
        EXPECT_GT(CountNear(solution, Box(row, col), kTestFixed), 3) << row << "," << col;
    });
    EXPECT_EQ(CountNear(solution, solution.rect(), kTestUser), 0);

    // Drawn as played again, the entry is back and the open cells are empty.
    const QImage played = RenderBoard(board, TestAppearance(), 15, 0);
    EXPECT_GT(CountNear(played, Box(3, 6), kTestUser), 3);
    EXPECT_EQ(CountNear(played, Box(3, 5), kTestFixed), 0);
}

TEST_F(SampleBoardAt15, ShowsTheEntryItselfNotTheSolution) {
    // The solution of (3, 6) is "2"; a different entry must draw different pixels.
    board.puzzle.Entry[3][6] = "2";
    const QImage two = RenderBoard(board, TestAppearance(), 15, 0);
    board.puzzle.Entry[3][6] = "5";
    const QImage five = RenderBoard(board, TestAppearance(), 15, 0);
    EXPECT_NE(two.copy(Box(3, 6)), five.copy(Box(3, 6)));
    EXPECT_EQ(two.copy(Box(1, 6)), five.copy(Box(1, 6)));
}

TEST_F(SampleBoardAt15, RedrawingClearsWhatWasDrawnBefore) {
    QImage image(339, 335, QImage::Format_ARGB32_Premultiplied);
    const BoardAppearance appearance = TestAppearance();
    QPainter painter(&image);
    DrawBoard(painter, BoardScene{board.layout, board.puzzle, geometry, appearance, TestFont()}, 1);
    const Board empty = BuiltBoard(7);
    DrawBoard(painter, BoardScene{empty.layout, empty.puzzle, geometry, appearance, TestFont()}, 0);
    painter.end();
    EXPECT_EQ(CountNear(image, image.rect(), kTestFixed), 0);
}

TEST(SampleBoardAt12, CentresDigitsAtThatScaleToo) {
    Board board = SampleBoard();
    const BoardGeometry geometry = GeometryAt(board, 12);
    const QImage image = RenderBoard(board, TestAppearance(), 12, 0);
    const QRect box = BoxPixels(geometry, 1, 6, board.layout);
    QRect ink;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (IsColour(image, x, y, kTestFixed, 100)) ink |= QRect(x, y, 1, 1);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_NEAR(ink.center().x(), box.center().x(), 3);
    EXPECT_NEAR(ink.center().y(), box.center().y(), 4);
    EXPECT_GE(ink.height(), 9);  // the same 10 points are more pixels at 120 dpi
}

// ---- Appearance settings -----------------------------------------------------------------

TEST(BoardAppearance, UsesTheBorderWidthForTheOutline) {
    const Board board = BuiltBoard(7);
    BoardAppearance appearance = TestAppearance();
    appearance.BorderWidth = 4;
    const QImage image = RenderBoard(board, appearance, 15, 0);
    // Width 4 on y = 8 covers rows 6..9.
    EXPECT_TRUE(IsColour(image, 160, 5, kTestBack));
    for (int y = 6; y <= 9; ++y)
        EXPECT_TRUE(IsColour(image, 160, y, kTestBorder)) << y;
    EXPECT_TRUE(IsColour(image, 160, 10, kTestFill));

    appearance.BorderWidth = 1;
    const QImage thin = RenderBoard(board, appearance, 15, 0);
    EXPECT_TRUE(IsColour(thin, 160, 7, kTestBack));
    EXPECT_TRUE(IsColour(thin, 160, 8, kTestBorder));
    EXPECT_TRUE(IsColour(thin, 160, 9, kTestFill));
}

TEST(BoardAppearance, ShrinksTheHexagonsByHexShrinkPercent) {
    const Board board = BuiltBoard(7);
    BoardAppearance appearance = TestAppearance();
    appearance.HexShrink = 10;
    const QImage image = RenderBoard(board, appearance, 15, 0);
    // Hexagon 1's top edge: 8 × 0.9 = 7.2 -> row 7, so the pen covers rows 6 and 7.
    EXPECT_TRUE(IsColour(image, 160, 5, kTestBack));
    EXPECT_TRUE(IsColour(image, 160, 6, kTestBorder));
    EXPECT_TRUE(IsColour(image, 160, 7, kTestBorder));
    EXPECT_TRUE(IsColour(image, 160, 8, kTestFill));
    // The first divider moves in with the box width: 1796 + 427 - 40 = 2183 -> 146.
    EXPECT_TRUE(IsColour(image, 146, 30, kTestGrid));
    EXPECT_TRUE(IsColour(image, 149, 30, kTestFill));
}

TEST(BoardAppearance, ClearsToABackgroundGivenAsASystemColour) {
    const Board board = BuiltBoard(7);
    BoardAppearance appearance = TestAppearance();
    appearance.BackColour = kSystemColourBit | 15u;  // button face
    const QImage image = RenderBoard(board, appearance, 15, 0);
    EXPECT_EQ(image.pixelColor(2, 2), ColourFromValue(appearance.BackColour));
}

// ---- High resolution -------------------------------------------------------------------

TEST(HighDpiBoard, KeepsTheTwipModelAndDrawsOnEveryDevicePixel) {
    const Board board = SampleBoard();
    const QImage image = RenderBoard(board, TestAppearance(), 15, 0, 2.0);
    ASSERT_EQ(image.size(), QSize(678, 670));
    // Hexagon 1's flat top, logical rows 7 and 8, is device rows 14..17, crisp.
    EXPECT_TRUE(IsColour(image, 320, 13, kTestBack));
    for (int y = 14; y <= 17; ++y)
        EXPECT_TRUE(IsColour(image, 320, y, kTestBorder, 0)) << y;
    EXPECT_TRUE(IsColour(image, 320, 18, kTestFill, 0));
    // The divider at logical column 149 is device columns 298 and 299.
    EXPECT_TRUE(IsColour(image, 297, 280, kTestFill, 0));
    EXPECT_TRUE(IsColour(image, 298, 280, kTestGrid, 0));
    EXPECT_TRUE(IsColour(image, 299, 280, kTestGrid, 0));
    EXPECT_TRUE(IsColour(image, 300, 280, kTestFill, 0));
    // Digits are drawn at the finer resolution, not magnified.
    const QImage single = RenderBoard(board, TestAppearance(), 15, 0, 1.0);
    EXPECT_GT(CountNear(image, image.rect(), kTestFixed),
              3 * CountNear(single, single.rect(), kTestFixed));
}

}  // namespace
}  // namespace lumeta
