#include "generator/generator_rules.h"

#include <gtest/gtest.h>

#include "support/board_fixture.h"

namespace lumeta {
namespace {

using testing::BuiltBoard;
using testing::SetGrid;

// A built 7-hexagon board whose every cell holds the candidate text "123456".
struct RuleBoard : ::testing::Test {
    testing::Board b = BuiltBoard(7);
    IndexedBoard board = IndexBoard(b.layout);
    CandidateGrid grid;

    RuleBoard() {
        for (int h = 1; h <= 7; ++h)
            for (int s = 1; s <= 6; ++s)
                Text(h, s) = "123456";
    }
    std::string& Text(int h, int s) {
        const int cell = b.layout.HexCell[h][s];
        return b.puzzle.Solution[b.layout.CellRow[cell]][b.layout.CellCol[cell]];
    }
    void ToGrid() { GridFromSolution(board, b.puzzle, grid); }
    void FromGrid() { GridToSolution(board, grid, b.puzzle); }
};

TEST_F(RuleBoard, TouchAllowedOfAnOpenCellNextToAnEmptyCellIsEveryDigit) {
    Text(1, 5) = "12";
    Text(4, 2) = "";  // side 5 of hexagon 1 touches side 2 of hexagon 4
    EXPECT_EQ(TouchAllowed(b.layout, b.puzzle, 1, 5), "123456");
    ToGrid();
    EXPECT_EQ(TouchAllowed(board, grid, 1, 5), kAllDigits);
}

TEST_F(RuleBoard, TouchAllowedMirrorsTheTouchingCellsDigitsInItsOrder) {
    Text(4, 2) = "245";
    EXPECT_EQ(TouchAllowed(b.layout, b.puzzle, 1, 5), "532");
    ToGrid();
    EXPECT_EQ(DigitSetText(TouchAllowed(board, grid, 1, 5)), "235");
}

TEST_F(RuleBoard, TouchAllowedOfAGivenOrFixedCellIsEmpty) {
    Text(1, 1) = "3";  // side 1 of hexagon 1 is an outer side, a given cell
    EXPECT_EQ(TouchAllowed(b.layout, b.puzzle, 1, 1), "");
    Text(1, 5) = "4";
    EXPECT_EQ(TouchAllowed(b.layout, b.puzzle, 1, 5), "");
    Text(1, 2) = "123456";  // given, though open
    EXPECT_EQ(TouchAllowed(b.layout, b.puzzle, 1, 2), "");
    ToGrid();
    EXPECT_EQ(TouchAllowed(board, grid, 1, 1), 0);
    EXPECT_EQ(TouchAllowed(board, grid, 1, 5), 0);
    EXPECT_EQ(TouchAllowed(board, grid, 1, 2), 0);
}

TEST_F(RuleBoard, FixedDigitsAreTheOneDigitTextsInSideOrder) {
    Text(4, 1) = "5";
    Text(4, 3) = "2";
    Text(4, 6) = "5";
    EXPECT_EQ(FixedDigits(b.layout, b.puzzle, 4), "525");
    ToGrid();
    EXPECT_EQ(DigitSetText(FixedDigits(board, grid, 4)), "25");
}

TEST_F(RuleBoard, RemoveFixedDigitsStrikesThemFromTheOtherCellsOfTheirHexagonOnly) {
    Text(4, 1) = "4";
    Text(4, 2) = "34";
    ToGrid();
    RemoveFixedDigits(board, grid);
    FromGrid();
    EXPECT_EQ(Text(4, 1), "4");
    EXPECT_EQ(Text(4, 2), "3");
    EXPECT_EQ(Text(4, 6), "12356");
    EXPECT_EQ(Text(1, 5), "123456");
}

TEST_F(RuleBoard, TouchRuleLeavesAnOpenCellTheDigitsThatMakeSevenWithItsNeighbour) {
    Text(4, 2) = "3";
    ToGrid();
    EXPECT_EQ(ApplyTouchRule(board, grid), Verdict::Complete);
    FromGrid();
    EXPECT_EQ(Text(1, 5), "4");
    EXPECT_EQ(Text(4, 1), "12456");  // the fixed 3 is struck in its own hexagon first
}

TEST_F(RuleBoard, TouchRuleFailsWhenACellWouldBeLeftWithoutADigit) {
    Text(4, 2) = "3";
    Text(1, 5) = "12";
    ToGrid();
    EXPECT_EQ(ApplyTouchRule(board, grid), Verdict::Failed);
}

TEST_F(RuleBoard, TouchRuleLeavesAnEmptyCellEmptyForTheCheckToReport) {
    Text(4, 2) = "3";
    Text(1, 5) = "";
    ToGrid();
    EXPECT_EQ(ApplyTouchRule(board, grid), Verdict::Complete);
    FromGrid();
    EXPECT_EQ(Text(1, 5), "");
    EXPECT_EQ(CheckBoardState(board, grid), Verdict::Failed);
}

TEST_F(RuleBoard, PairRuleStrikesAPairHeldByTwoCellsFromTheLongerTexts) {
    Text(4, 1) = "25";
    Text(4, 2) = "25";
    Text(4, 3) = "1256";
    Text(4, 4) = "23";  // two characters: left alone though it shares a digit
    ToGrid();
    ApplyPairRule(board, grid);
    FromGrid();
    EXPECT_EQ(Text(4, 3), "16");
    EXPECT_EQ(Text(4, 4), "23");
    EXPECT_EQ(Text(4, 5), "1346");
    EXPECT_EQ(Text(3, 1), "123456");
}

TEST_F(RuleBoard, PairRuleIgnoresAPairHeldByThreeCells) {
    Text(4, 1) = "25";
    Text(4, 2) = "25";
    Text(4, 3) = "25";
    ToGrid();
    ApplyPairRule(board, grid);
    FromGrid();
    EXPECT_EQ(Text(4, 4), "123456");
}

TEST_F(RuleBoard, PairRuleTakesThePairsInAscendingOrderOfTheirNumbers) {
    // 12 comes before 34: the four-digit cell loses 1 and 2 and then, with two digits
    // left, is no longer touched by the pair 34.
    Text(4, 1) = "34";
    Text(4, 2) = "34";
    Text(4, 3) = "12";
    Text(4, 4) = "12";
    Text(4, 5) = "1234";
    ToGrid();
    ApplyPairRule(board, grid);
    FromGrid();
    EXPECT_EQ(Text(4, 5), "34");
    EXPECT_EQ(Text(4, 6), "56");
}

TEST_F(RuleBoard, LoneDigitRuleFixesTheOnlyCellThatCanTakeADigit) {
    Text(4, 1) = "16";  // 1 and 6 are possible here only: the smaller one is taken
    for (int s = 2; s <= 6; ++s)
        Text(4, s) = "2345";
    Text(5, 3) = "4";  // a fixed cell counts too: 4 occurs once, in it, and stays
    for (int s : {1, 2, 4, 5, 6})
        Text(5, s) = "12356";
    Text(5, 6) = "1236";  // 5 now occurs in sides 1, 2, 4 and 5; nothing else is lone
    ToGrid();
    ApplyLoneDigitRule(board, grid);
    FromGrid();
    EXPECT_EQ(Text(4, 1), "1");
    EXPECT_EQ(Text(4, 2), "2345");
    EXPECT_EQ(Text(5, 3), "4");
    EXPECT_EQ(Text(5, 1), "12356");
}

// The sample solution with the digits 2 and 3 of hexagon 1 exchanged: every hexagon
// still holds 1..6, but side 5 of hexagon 1 (3) and side 2 of hexagon 4 (5) make 8.
const std::vector<std::string_view> kBrokenPair = {
    "----426----",  //
    "-362531621-",  //
    "-541653453-",  //
    "-236124326-",  //
    "-145253415-",  //
    "----461----",  //
};

TEST(CheckBoardState, ABrokenTouchingPairIsOpenWhileACellIsOpenAndFailsOnceNoneIs) {
    testing::Board b = BuiltBoard(7);
    const IndexedBoard board = IndexBoard(b.layout);
    CandidateGrid grid;
    SetGrid(b.layout, b.puzzle.Solution, kBrokenPair);
    GridFromSolution(board, b.puzzle, grid);
    EXPECT_EQ(CheckTouchSums(board, grid), Verdict::Failed);
    EXPECT_EQ(CheckBoardState(board, grid), Verdict::Failed);

    b.puzzle.Solution[5][6] = "56";  // side 2 of hexagon 7 open again
    GridFromSolution(board, b.puzzle, grid);
    EXPECT_EQ(CheckBoardState(board, grid), Verdict::Open);
}

TEST(CheckBoardState, JudgesEmptyCellsRepeatedDigitsAndACompleteBoard) {
    testing::Board b = BuiltBoard(7);
    const IndexedBoard board = IndexBoard(b.layout);
    CandidateGrid grid;
    SetGrid(b.layout, b.puzzle.Solution, testing::kSampleGrid);
    GridFromSolution(board, b.puzzle, grid);
    EXPECT_EQ(CheckBoardState(board, grid), Verdict::Complete);

    b.puzzle.Solution[3][6] = "";
    GridFromSolution(board, b.puzzle, grid);
    EXPECT_EQ(CheckBoardState(board, grid), Verdict::Failed);

    b.puzzle.Solution[3][6] = "6";  // hexagon 4 already holds a 6 at side 1
    b.puzzle.Solution[3][7] = "36";
    GridFromSolution(board, b.puzzle, grid);
    EXPECT_EQ(CheckBoardState(board, grid), Verdict::Failed);
}

}  // namespace
}  // namespace lumeta
