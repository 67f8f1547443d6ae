#include "generator/puzzle_check.h"

#include <gtest/gtest.h>

#include "generator/puzzle_generator.h"
#include "generator/puzzle_solver.h"
#include "support/board_fixture.h"
#include "support/temp_dir.h"

namespace lumeta {
namespace {

using testing::BuiltBoard;

std::string MadePuzzle(std::uint64_t seed) {
    testing::Board b = BuiltBoard(7);
    RandomSource random = RandomSource::Fixed(seed);
    DigitPerm perm;
    CreatePuzzle(b.layout, b.puzzle, perm, random);
    return PuzzleLine(b.layout, b.puzzle);
}

// A valid solution whose clues have other solutions too.
std::string AmbiguousSolution() {
    testing::Board b = BuiltBoard(7);
    const IndexedBoard board = IndexBoard(b.layout);
    CandidateGrid grid;
    RandomSource random = RandomSource::Fixed(8);
    DigitPerm perm;
    for (;;) {
        StartAttempt(board, grid, perm, random);
        std::string clues(42, '0');
        for (int i = 0; i < board.cellCount; ++i)
            if (board.given[i])
                clues[board.linePos[i]] = static_cast<char>('0' + SingleDigit(grid.cell[i]));
        const SolutionCount found = CountSolutions(b.layout, clues, 2);
        if (found.count == 2) return found.firstLine;
    }
}

TEST(CheckPuzzleLine, AcceptsAMadePuzzleAsValidAndUnique) {
    const LineCheck check = CheckPuzzleLine(BuiltBoard(7).layout, MadePuzzle(1));
    EXPECT_TRUE(check.valid);
    EXPECT_TRUE(check.unique);
    EXPECT_EQ(check.problem, "");
}

TEST(CheckPuzzleLine, NamesWhatMakesALineInvalid) {
    const BoardLayout layout = BuiltBoard(7).layout;
    std::string line(testing::kSampleLine);
    EXPECT_EQ(CheckPuzzleLine(layout, line.substr(0, 41)).problem, "has 41 characters, not 42");
    EXPECT_EQ(CheckPuzzleLine(layout, line + "1").problem, "has 43 characters, not 42");

    std::string wrong = line;
    wrong[4] = '7';
    EXPECT_EQ(CheckPuzzleLine(layout, wrong).problem, "character 5 is not a digit 1..6");

    wrong = line;
    std::swap(wrong[15], wrong[16]);  // sides 1 and 2 of the centre: still 1..6, sums broken
    EXPECT_EQ(CheckPuzzleLine(layout, wrong).problem,
              "hexagon 1 side 5 and hexagon 4 side 2 add up to 8, not 7");

    wrong = line;
    wrong[0] = wrong[1];  // hexagon 1 holds a digit twice
    EXPECT_EQ(CheckPuzzleLine(layout, wrong).problem, "hexagon 1 does not hold 1..6 once each");
    EXPECT_FALSE(CheckPuzzleLine(layout, wrong).valid);
}

TEST(CheckPuzzleLine, FindsAValidSolutionWithAmbiguousCluesNotUnique) {
    const LineCheck check = CheckPuzzleLine(BuiltBoard(7).layout, AmbiguousSolution());
    EXPECT_TRUE(check.valid);
    EXPECT_FALSE(check.unique);
    EXPECT_EQ(check.problem, "its clues have more than one solution");
}

TEST(CheckPuzzleFile, CountsLinesAndNamesTheFirstBadOnes) {
    testing::TempDir dir;
    const std::string a = MadePuzzle(1), b = MadePuzzle(2);
    const std::string path = dir.Write(
        "mixed.txt", a + "\r\n" + b + "\r\n" + a + "\r\n12345\r\n" + AmbiguousSolution() + "\r\n");
    const FileCheck check = CheckPuzzleFile(BuiltBoard(7).layout, path);
    ASSERT_TRUE(check.readable);
    EXPECT_EQ(check.Summary(), "5 lines, 4 valid, 3 unique, 4 distinct");
    EXPECT_EQ(check.bad, 2);
    ASSERT_EQ(check.firstBad.size(), 2u);
    EXPECT_EQ(check.firstBad[0].number, 4);
    EXPECT_EQ(check.firstBad[1].number, 5);
}

TEST(CheckPuzzleFile, ReportsAMissingFileAsUnreadable) {
    testing::TempDir dir;
    EXPECT_FALSE(CheckPuzzleFile(BuiltBoard(7).layout, dir.File("none.txt")).readable);
}

}  // namespace
}  // namespace lumeta
