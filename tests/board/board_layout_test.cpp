#include <gtest/gtest.h>

#include <set>

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

TEST_P(EveryLayout, HasTheCellOuterAndTouchingCountsOfItsShape) {
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
    for (int h = 1; h <= layout.HexTotal; ++h)
        for (int s = 1; s <= 6; ++s)
            touchingSides += layout.TouchCell[h][s] != 0;
    EXPECT_EQ(tagged, expected.tagged);
    EXPECT_EQ(outer, expected.outer);
    EXPECT_EQ(touchingSides, 2 * expected.touchingPairs);

    // The outer sides are exactly the sides that touch nothing; cells number row by row.
    for (int h = 1; h <= layout.HexTotal; ++h) {
        for (int s = 1; s <= 6; ++s) {
            const int cell = layout.HexCell[h][s];
            EXPECT_EQ(layout.Given[layout.CellRow[cell]][layout.CellCol[cell]],
                      layout.TouchCell[h][s] == 0 ? 1 : 0);
            EXPECT_EQ(cell, (layout.CellRow[cell] - 1) * layout.GridCols + layout.CellCol[cell]);
        }
    }
}

TEST_P(EveryLayout, TouchingSidesPointBackWithOppositeSideNumbers) {
    const auto board = BuiltBoard(GetParam().numHex);
    const BoardLayout& layout = board.layout;
    for (int h = 1; h <= layout.HexTotal; ++h) {
        for (int s = 1; s <= 6; ++s) {
            const int touched = layout.TouchCell[h][s];
            if (touched == 0) continue;
            const std::string& tag =
                layout.CellTag[layout.CellRow[touched]][layout.CellCol[touched]];
            ASSERT_EQ(tag.size(), 3u);
            const int otherHex = std::stoi(tag.substr(0, 2));
            const int otherSide = tag[2] - '0';
            EXPECT_EQ((s + 2) % 6 + 1, otherSide) << "hexagon " << h << " side " << s;
            EXPECT_EQ(layout.TouchCell[otherHex][otherSide], layout.HexCell[h][s]);
        }
    }
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

TEST(SevenHexagonBoard, HasTheTwelveTouchingPairs) {
    const auto board = BuiltBoard(7);
    // hexagon/side with its cell, and the touching side's cell
    const int pairs[12][4] = {{1, 4, 18, 19}, {1, 5, 17, 28}, {1, 6, 16, 15}, {2, 4, 26, 27},
                              {2, 5, 25, 36}, {3, 5, 31, 42}, {3, 6, 30, 29}, {4, 4, 40, 41},
                              {4, 5, 39, 50}, {4, 6, 38, 37}, {5, 4, 48, 49}, {6, 6, 52, 51}};
    for (const auto& pair : pairs) {
        EXPECT_EQ(board.layout.HexCell[pair[0]][pair[1]], pair[2]);
        EXPECT_EQ(board.layout.TouchCell[pair[0]][pair[1]], pair[3]);
    }
}

TEST(BuildBoard, TagsTheFirstAndLastSidesWithTwoDigitHexagonNumbers) {
    EXPECT_EQ(BuiltBoard(7).layout.CellTag[1][5], "011");
    const auto big = BuiltBoard(19);
    const int cell = big.layout.HexCell[19][6];
    EXPECT_EQ(big.layout.CellTag[big.layout.CellRow[cell]][big.layout.CellCol[cell]], "196");
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

TEST(NumText, WritesNumbersWithoutAndWithALeadingBlank) {
    EXPECT_EQ(NumText(25), "25");
    EXPECT_EQ(BlankNumText(17), " 17");
    EXPECT_EQ(BlankNumText(-1), "-1");
}

}  // namespace
}  // namespace lumeta
