#include "generator/solution_screen.h"

#include <gtest/gtest.h>

#include <string>

#include "board/puzzle_state.h"
#include "generator/dealt_attempt.h"
#include "generator/puzzle_solver.h"
#include "support/board_fixture.h"

namespace lumeta {
namespace {

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
        testing::DealAttempt(words, perm, random, dealt);
        CandidateGrid grid;
        HexWordsToGrid(words, dealt, grid);
        std::string clues(42, '0');  // as a puzzle line, and as a set per hexagon
        DealtClues sets;
        for (int i = 0; i < board.cellCount; ++i) {
            if (!board.given[i]) continue;
            clues[board.linePos[i]] = static_cast<char>('0' + SingleDigit(grid.cell[i]));
            sets.set[i / 6 + 1] |= grid.cell[i];
        }
        const bool solved = counter.Count(clues, 1).count == 1;
        ASSERT_EQ(screen.MaySolve(sets), solved) << clues;
        solvable += solved;
    }
    // About one deal in a hundred has a solution.
    EXPECT_GT(solvable, 100);
    EXPECT_LT(solvable, 400);
}

TEST(SolutionScreen, PassesTheCluesOfAPuzzleAndEveryDealOnABoardOfAnotherShape) {
    const IndexedBoard board = IndexBoard(testing::BuiltBoard(7).layout);
    DealtClues clues;
    for (int i = 0; i < board.cellCount; ++i)
        if (board.given[i])
            clues.set[i / 6 + 1] |= DigitBit(testing::kSampleLine[board.linePos[i]] - '0');
    EXPECT_TRUE(SolutionScreen(MakeHexWordBoard(board)).MaySolve(clues));
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
