#include <gtest/gtest.h>

#include "board/board_layout.h"
#include "board/num_text.h"
#include "board/puzzle_state.h"
#include "support/board_fixture.h"

namespace lumeta {
namespace {

using testing::BuiltBoard;

struct LayoutCounts {
    int numHex, cells, tagged, outer, touchingPairs;
};

class EveryLayout : public ::testing::TestWithParam<LayoutCounts> {};

TEST_P(EveryLayout, HasTheCountsOfItsShapeAndTouchingSidesPointBackWithOppositeSides) {
    const LayoutCounts expected = GetParam();
    const auto board = BuiltBoard(expected.numHex);
    const BoardLayout& layout = board.layout;
    EXPECT_EQ(layout.HexTotal, expected.numHex);
    EXPECT_EQ(layout.GridRows * layout.GridCols, expected.cells);

    int tagged = 0, outer = 0, touchingSides = 0;
    for (int row = 0; row <= kGridRowsMax; ++row) {
        for (int col = 0; col <= kGridColsMax; ++col) {
            if (layout.IsBoardCell(row, col)) ++tagged;
            outer += layout.Given[row][col];
        }
    }
    for (int h = 1; h <= layout.HexTotal; ++h) {
        for (int s = 1; s <= 6; ++s) {
            // The outer sides are exactly the sides that touch nothing.
            const int cell = layout.HexCell[h][s], touched = layout.TouchCell[h][s];
            EXPECT_EQ(layout.Given[layout.CellRow[cell]][layout.CellCol[cell]],
                      touched == 0 ? 1 : 0);
            if (touched == 0) continue;
            ++touchingSides;
            const std::string& tag =
                layout.CellTag[layout.CellRow[touched]][layout.CellCol[touched]];
            ASSERT_EQ(tag.size(), 3u);
            const int otherHex = std::stoi(tag.substr(0, 2)), otherSide = tag[2] - '0';
            EXPECT_EQ((s + 2) % 6 + 1, otherSide) << "hexagon " << h << " side " << s;
            EXPECT_EQ(layout.TouchCell[otherHex][otherSide], cell);
        }
    }
    EXPECT_EQ(tagged, expected.tagged);
    EXPECT_EQ(outer, expected.outer);
    EXPECT_EQ(touchingSides, 2 * expected.touchingPairs);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, EveryLayout,
    ::testing::Values(LayoutCounts{7, 66, 42, 18, 12}, LayoutCounts{10, 88, 60, 22, 19},
                      LayoutCounts{14, 136, 84, 26, 29}, LayoutCounts{19, 170, 114, 30, 42}),
    [](const auto& info) { return std::to_string(info.param.numHex) + "Hexagons"; });

TEST(SevenHexagonBoard, TagsEveryCellAsTheBoardPictureShows) {
    const auto board = BuiltBoard(7);
    const char* expected[6][11] = {
        {"", "", "", "", "011", "012", "013", "", "", "", ""},
        {"", "021", "022", "023", "016", "015", "014", "031", "032", "033", ""},
        {"", "026", "025", "024", "041", "042", "043", "036", "035", "034", ""},
        {"", "051", "052", "053", "046", "045", "044", "061", "062", "063", ""},
        {"", "056", "055", "054", "071", "072", "073", "066", "065", "064", ""},
        {"", "", "", "", "076", "075", "074", "", "", "", ""},
    };
    for (int row = 1; row <= 6; ++row)
        for (int col = 1; col <= 11; ++col)
            EXPECT_EQ(board.layout.CellTag[row][col], expected[row - 1][col - 1])
                << "row " << row << " col " << col;
}

TEST(BuildBoard, SmallerBoardAfterALargerOneLeavesNothingOutsideItsGrid) {
    auto board = BuiltBoard(19);
    board.puzzle.Solution[9][10] = "5";
    board.layout.NumHex = 7;
    BuildBoard(board.layout, board.puzzle);
    for (int row = 0; row <= kGridRowsMax; ++row) {
        for (int col = 0; col <= kGridColsMax; ++col) {
            EXPECT_TRUE(board.puzzle.Solution[row][col].empty());
            if (row > 6 || col > 11) {
                EXPECT_FALSE(board.layout.IsBoardCell(row, col));
                EXPECT_EQ(board.layout.Given[row][col], 0);
            }
        }
    }
    for (int h = 8; h <= kHexMax; ++h)
        EXPECT_EQ(board.layout.HexCell[h][1], 0);
}

TEST(BoardHexagonsForLine, IsToldByTheLengthOfTheSolutionBeforeAnyBlank) {
    const std::string d60(60, '3');
    const struct {
        std::string line;
        int numHex;
    } cases[] = {{std::string(42, '1'), 7},
                 {d60, 10},
                 {d60 + " " + std::string(60, '.'), 10},
                 {std::string(84, '2') + " ", 14},
                 {std::string(114, '6'), 19},
                 {std::string(41, '1'), 0},
                 {std::string(43, '1'), 0},
                 {" " + std::string(42, '1'), 0},
                 {"", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(BoardHexagonsForLine(c.line), c.numHex) << c.line;
}

TEST(NumText, WritesNumbersWithoutAndWithALeadingBlankAndReadsASignedPrefix) {
    EXPECT_EQ(NumText(25), "25");
    EXPECT_EQ(BlankNumText(17), " 17");
    EXPECT_EQ(BlankNumText(-1), "-1");
    EXPECT_EQ(NumericPrefix("  -3e2x"), -300);
}

}  // namespace
}  // namespace lumeta
