#include "generator/puzzle_generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <unordered_set>

#include "generator/puzzle_check.h"
#include "generator/puzzle_solver.h"
#include "literal_generator.h"
#include "support/board_fixture.h"

namespace lumeta {
namespace {

using testing::BuiltBoard;

bool IsPermutation(const DigitPerm& perm) {
    std::array<int, 6> digits;
    std::copy(perm.entry.begin() + 1, perm.entry.end(), digits.begin());
    std::sort(digits.begin(), digits.end());
    return digits == std::array<int, 6>{1, 2, 3, 4, 5, 6};
}

TEST(ShuffleDigits, KeepsAPermutationAndGoesOnFromTheOrderItFinds) {
    RandomSource random = RandomSource::Fixed(11);
    DigitPerm perm;
    std::set<std::array<int, 7>> orders;
    for (int i = 0; i < 2000; ++i) {
        ShuffleDigits(perm, random);
        ASSERT_TRUE(IsPermutation(perm));
        orders.insert(perm.entry);
    }
    EXPECT_GT(orders.size(), 650u);  // nearly all of the 720 orders turn up

    // The same draws on a different starting order give a different order.
    RandomSource a = RandomSource::Fixed(5), b = RandomSource::Fixed(5);
    DigitPerm fresh, reversed;
    reversed.entry = {0, 6, 5, 4, 3, 2, 1};
    ShuffleDigits(fresh, a);
    ShuffleDigits(reversed, b);
    EXPECT_NE(fresh.entry, reversed.entry);
}

TEST(StartAttempt, DealsThreeDifferentClueDigitsToEachOuterHexagonAndOpensTheRest) {
    testing::Board b = BuiltBoard(7);
    const IndexedBoard board = IndexBoard(b.layout);
    CandidateGrid grid;
    RandomSource random = RandomSource::Fixed(1);
    DigitPerm perm;
    for (int attempt = 0; attempt < 50; ++attempt) {
        StartAttempt(board, grid, perm, random);
        for (int h = 1; h <= 7; ++h) {
            DigitSet clues = 0;
            int clueCount = 0;
            for (int s = 1; s <= 6; ++s) {
                const int i = CellIndex(h, s);
                if (!board.given[i]) continue;
                ++clueCount;
                ASSERT_TRUE(IsSingleDigit(grid.cell[i]));
                clues |= grid.cell[i];
            }
            EXPECT_EQ(clueCount, h == 4 ? 0 : 3);
            EXPECT_EQ(DigitCount(clues), clueCount) << "clue digits repeat in hexagon " << h;
            for (int s = 1; s <= 6; ++s) {
                const int i = CellIndex(h, s);
                if (!board.given[i]) {
                    EXPECT_EQ(grid.cell[i], RemoveDigits(kAllDigits, clues));
                }
            }
        }
    }
}

// The generator and a step-by-step transcription of its method on candidate texts
// (without the early end of a stalled attempt) must agree attempt for attempt.
TEST(CreatePuzzle, MatchesTheMethodWorkedOnCandidateTextsAttemptForAttempt) {
    for (std::uint64_t seed : {1u, 2u, 3u}) {
        testing::Board fast = BuiltBoard(7), literal = BuiltBoard(7);
        RandomSource fastRandom = RandomSource::Fixed(seed),
                     literalRandom = RandomSource::Fixed(seed);
        DigitPerm fastPerm, literalPerm;
        for (int n = 0; n < 12; ++n) {
            const long long attempts = CreatePuzzle(fast.layout, fast.puzzle, fastPerm, fastRandom);
            const long long literalAttempts = testing::LiteralCreatePuzzle(
                literal.layout, literal.puzzle, literalPerm, literalRandom);
            ASSERT_EQ(attempts, literalAttempts) << "seed " << seed << " puzzle " << n;
            ASSERT_EQ(PuzzleLine(fast.layout, fast.puzzle),
                      PuzzleLine(literal.layout, literal.puzzle));
            ASSERT_EQ(fastPerm.entry, literalPerm.entry);
        }
    }
}

TEST(RunAttempt, AgreesWithTheTextMethodOnStalledAndFailedAttemptsAlike) {
    testing::Board b = BuiltBoard(7);
    const IndexedBoard board = IndexBoard(b.layout);
    CandidateGrid grid;
    RandomSource random = RandomSource::Fixed(21);
    DigitPerm perm;
    int stalled = 0;
    for (int attempt = 0; attempt < 3000; ++attempt) {
        StartAttempt(board, grid, perm, random);
        GridToSolution(board, grid, b.puzzle);
        const Verdict verdict = RunAttempt(board, grid);
        // A stall: no contradiction found, yet the cycles ran out.
        if (verdict == Verdict::Failed && CheckBoardState(board, grid) == Verdict::Open) ++stalled;
        ASSERT_EQ(static_cast<int>(verdict), testing::LiteralRunAttempt(b.layout, b.puzzle));
        if (verdict != Verdict::Failed) {
            PuzzleState fromGrid;
            GridToSolution(board, grid, fromGrid);
            ASSERT_EQ(PuzzleLine(b.layout, fromGrid), PuzzleLine(b.layout, b.puzzle));
        }
    }
    EXPECT_GT(stalled, 0) << "the sample holds no stalled attempt";
}

TEST(CreatePuzzle, CallsTheHookOnceAtTheStartOfEveryAttempt) {
    testing::Board b = BuiltBoard(7);
    RandomSource random = RandomSource::Fixed(4);
    DigitPerm perm;
    long long calls = 0;
    const long long attempts = CreatePuzzle(b.layout, b.puzzle, perm, random, [&] { ++calls; });
    EXPECT_EQ(calls, attempts);
    EXPECT_GT(attempts, 1);
}

TEST(CreatePuzzle, OnABoardNotYetBuiltReturnsAtOnce) {
    BoardLayout layout;
    PuzzleState puzzle;
    RandomSource random = RandomSource::Fixed(4);
    DigitPerm perm;
    EXPECT_EQ(CreatePuzzle(layout, puzzle, perm, random), 0);
}

// Every open cell from the clues of the line alone, then the rules.
std::string SolveByTheRules(const testing::Board& b, std::string_view line) {
    const IndexedBoard board = IndexBoard(b.layout);
    CandidateGrid grid;
    for (int i = 0; i < board.cellCount; ++i)
        grid.cell[i] = board.given[i] ? DigitBit(line[board.linePos[i]] - '0') : 0;
    SetOpenCandidates(board, grid);
    if (RunAttempt(board, grid) != Verdict::Complete) return "";
    PuzzleState solved;
    GridToSolution(board, grid, solved);
    return PuzzleLine(b.layout, solved);
}

TEST(CreatePuzzle, MakesValidPuzzlesThatTheSearchProvesUniqueAndTheRulesSolveFromTheirClues) {
    testing::Board b = BuiltBoard(7);
    RandomSource random = RandomSource::Fixed(2024);
    DigitPerm perm;
    for (int n = 0; n < 300; ++n) {
        CreatePuzzle(b.layout, b.puzzle, perm, random);
        const std::string line = PuzzleLine(b.layout, b.puzzle);
        const LineCheck check = CheckPuzzleLine(b.layout, line);
        ASSERT_TRUE(check.valid) << line << ": " << check.problem;

        // Three different clue digits in each outer hexagon, no clue in the centre.
        for (int h = 1; h <= 7; ++h) {
            std::set<std::string> clues;
            for (int s = 1; s <= 6; ++s) {
                const int cell = b.layout.HexCell[h][s];
                const int row = b.layout.CellRow[cell], col = b.layout.CellCol[cell];
                if (b.layout.Given[row][col] == 1) clues.insert(b.puzzle.Solution[row][col]);
            }
            EXPECT_EQ(clues.size(), h == 4 ? 0u : 3u) << line << " hexagon " << h;
        }

        const SolutionCount solutions = CountSolutions(b.layout, line, 2);
        ASSERT_EQ(solutions.count, 1) << line;
        EXPECT_EQ(solutions.firstLine, line);
        EXPECT_EQ(SolveByTheRules(b, line), line);
    }
}

TEST(CreatePuzzle, WithAFixedSeedRepeatsARunAndWithAnotherSeedDoesNot) {
    auto run = [](std::uint64_t seed) {
        testing::Board b = BuiltBoard(7);
        RandomSource random = RandomSource::Fixed(seed);
        DigitPerm perm;
        std::vector<std::string> lines;
        for (int n = 0; n < 20; ++n) {
            CreatePuzzle(b.layout, b.puzzle, perm, random);
            lines.push_back(PuzzleLine(b.layout, b.puzzle));
        }
        return lines;
    };
    EXPECT_EQ(run(77), run(77));
    EXPECT_NE(run(77), run(78));
}

// About 1.45e10 distinct unique puzzles exist: a sound source repeats one among 5,000
// with a chance under 1 in 1,000, so a repeat points at the random source.
TEST(CreatePuzzle, MakesNoRepeatInALongRunWithAFixedSeed) {
    testing::Board b = BuiltBoard(7);
    RandomSource random = RandomSource::Fixed(99, 30000.0f);
    DigitPerm perm;
    std::unordered_set<std::string> seen;
    for (int n = 0; n < 6000; ++n) {
        CreatePuzzle(b.layout, b.puzzle, perm, random);
        ASSERT_TRUE(seen.insert(PuzzleLine(b.layout, b.puzzle)).second) << "repeat at " << n;
    }
}

}  // namespace
}  // namespace lumeta
