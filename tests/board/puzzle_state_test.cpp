#include <gtest/gtest.h>

#include "board/puzzle_state.h"
#include "support/board_fixture.h"

namespace lumeta {
namespace {

using testing::BuiltBoard;
using testing::GridPicture;
using testing::kSampleLine;

// Fills every open cell with its solution digit.
void EnterSolution(testing::Board& board) {
    for (int row = 1; row <= board.layout.GridRows; ++row)
        for (int col = 1; col <= board.layout.GridCols; ++col)
            if (board.layout.IsBoardCell(row, col) && !board.layout.Given[row][col])
                board.puzzle.Entry[row][col] = board.puzzle.Solution[row][col];
}

TEST(PlacePuzzleLine, PutsTheDigitsRowByRowIntoTheBoardCellsAndReadsBackTheSameLine) {
    auto board = BuiltBoard();
    PlacePuzzleLine(board.layout, board.puzzle, kSampleLine);
    EXPECT_EQ(GridPicture(board.layout, board.puzzle.Solution),
              "----436----\n"
              "-362521621-\n"
              "-541653453-\n"
              "-236124326-\n"
              "-145253415-\n"
              "----461----\n");
    EXPECT_EQ(PuzzleLine(board.layout, board.puzzle), kSampleLine);
}

TEST(PlacePuzzleLine, ShortLineLeavesTheLastCellsWithoutDigitAndEmptiesEntries) {
    auto board = BuiltBoard();
    board.puzzle.Entry[3][5] = "4";
    PlacePuzzleLine(board.layout, board.puzzle, kSampleLine.substr(0, 40));
    EXPECT_EQ(board.puzzle.Solution[6][5], "4");  // position 40
    EXPECT_EQ(board.puzzle.Solution[6][6], "");   // 41
    EXPECT_EQ(board.puzzle.Solution[6][7], "");   // 42
    EXPECT_EQ(board.puzzle.Entry[3][5], "");
}

TEST(VerifyPuzzle, IsDoneOnlyWhenEveryOpenCellMatchesTheSolution) {
    auto board = BuiltBoard();
    EXPECT_EQ(VerifyPuzzle(board.layout, board.puzzle), VerifyOutcome::NoPuzzle);
    PlacePuzzleLine(board.layout, board.puzzle, kSampleLine);
    EXPECT_EQ(VerifyPuzzle(board.layout, board.puzzle), VerifyOutcome::NotDone);

    EnterSolution(board);
    EXPECT_EQ(VerifyPuzzle(board.layout, board.puzzle), VerifyOutcome::AllDone);

    // An entry in a clue cell is never compared.
    board.puzzle.Entry[1][5] = "9";
    EXPECT_EQ(VerifyPuzzle(board.layout, board.puzzle), VerifyOutcome::AllDone);

    // The centre's side 1 entered wrong, then left empty.
    board.puzzle.Entry[3][5] = board.puzzle.Solution[3][5] == "1" ? "2" : "1";
    EXPECT_EQ(VerifyPuzzle(board.layout, board.puzzle), VerifyOutcome::NotDone);
    board.puzzle.Entry[3][5].clear();
    EXPECT_EQ(VerifyPuzzle(board.layout, board.puzzle), VerifyOutcome::NotDone);
}

TEST(VerifyPuzzle, StopsAtTheFirstFailingCellInReadingOrder) {
    // A missing clue digit after a wrong entry still reads as "not done", and before one
    // as "no puzzle": the scan stops at whichever comes first.
    auto board = BuiltBoard();
    PlacePuzzleLine(board.layout, board.puzzle, kSampleLine);
    EnterSolution(board);
    board.puzzle.Solution[6][5].clear();  // a clue in the last row
    board.puzzle.Entry[2][4] = "x";       // an open cell in row 2
    EXPECT_EQ(VerifyPuzzle(board.layout, board.puzzle), VerifyOutcome::NotDone);
    board.puzzle.Entry[2][4] = board.puzzle.Solution[2][4];
    EXPECT_EQ(VerifyPuzzle(board.layout, board.puzzle), VerifyOutcome::NoPuzzle);
}

}  // namespace
}  // namespace lumeta
