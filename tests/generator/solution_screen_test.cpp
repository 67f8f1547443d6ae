#include "generator/solution_screen.h"

#include <gtest/gtest.h>

#include <string>

#include "board/puzzle_state.h"
#include "generator/puzzle_generator.h"
#include "generator/puzzle_solver.h"
#include "support/board_fixture.h"

namespace lumeta {
namespace {

// The clue digits of a dealt grid as a puzzle line, open cells as '0'.
std::string ClueLine(const IndexedBoard& board, const CandidateGrid& grid) {
    std::string clues(static_cast<std::size_t>(board.cellCount), '0');
    for (int i = 0; i < board.cellCount; ++i)
        if (board.given[i])
            clues[board.linePos[i]] = static_cast<char>('0' + SingleDigit(grid.cell[i]));
    return clues;
}

// The clue digits of each hexagon as a set, as the screen reads a deal.
DealtClues CluesOf(const IndexedBoard& board, const CandidateGrid& grid) {
    DealtClues clues;
    for (int i = 0; i < board.cellCount; ++i)
        if (board.given[i]) clues.set[i / 6 + 1] |= grid.cell[i];
    return clues;
}

TEST(SolutionScreen, LetsThroughExactlyTheDealsWhoseCluesTheSearchSolves) {
    const BoardLayout layout = testing::BuiltBoard(7).layout;
    const IndexedBoard board = IndexBoard(layout);
    const HexWordBoard words = MakeHexWordBoard(board);
    const SolutionScreen screen(words);
    ASSERT_TRUE(screen.Applies());
    SolutionCounter counter(layout);
    RandomSource random = RandomSource::Fixed(21);
    DigitPerm perm;
    int solvable = 0;
    for (int n = 0; n < 20000; ++n) {
        HexWordGrid dealt;
        StartHexWordAttempt(words, dealt, perm, random);
        CandidateGrid grid;
        HexWordsToGrid(words, dealt, grid);
        const std::string clues = ClueLine(board, grid);
        const bool solved = counter.Count(clues, 1).count == 1;
        ASSERT_EQ(screen.MaySolve(CluesOf(board, grid)), solved) << clues;
        solvable += solved;
    }
    // About one deal in a hundred has a solution.
    EXPECT_GT(solvable, 100);
    EXPECT_LT(solvable, 400);
}

TEST(SolutionScreen, PassesTheCluesOfAPuzzleAndEveryDealOnABoardOfAnotherShape) {
    testing::Board sample = testing::BuiltBoard(7);
    PlacePuzzleLine(sample.layout, sample.puzzle, testing::kSampleLine);
    const IndexedBoard board = IndexBoard(sample.layout);
    const HexWordBoard words = MakeHexWordBoard(board);
    CandidateGrid grid;
    GridFromSolution(board, sample.puzzle, grid);
    SetOpenCandidates(board, grid);
    EXPECT_TRUE(SolutionScreen(words).MaySolve(CluesOf(board, grid)));
    // Digits 1, 2 and 3 all round: no side can make 7 with its ring neighbour.
    constexpr std::uint8_t k123 = 0b000111;
    EXPECT_FALSE(SolutionScreen::AnySolution({k123, k123, k123, k123, k123, k123}));

    for (int numHex : {10, 14, 19}) {
        const IndexedBoard other = IndexBoard(testing::BuiltBoard(numHex).layout);
        const HexWordBoard otherWords = MakeHexWordBoard(other);
        EXPECT_FALSE(SolutionScreen(otherWords).Applies()) << numHex;
        EXPECT_TRUE(SolutionScreen(otherWords).MaySolve(DealtClues{})) << numHex;
    }
}

}  // namespace
}  // namespace lumeta
