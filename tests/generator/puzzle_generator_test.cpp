#include "generator/puzzle_generator.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <functional>
#include <set>
#include <unordered_set>

#include "generator/puzzle_check.h"
#include "generator/puzzle_solver.h"
#include "support/board_fixture.h"

namespace lumeta {
namespace {

std::vector<double> Draws(RandomSource random, int count) {
    std::vector<double> values;
    for (int i = 0; i < count; ++i)
        values.push_back(random.DrawUnit());
    return values;
}

bool AllDifferent(const std::vector<double>& values) {
    return std::set<double>(values.begin(), values.end()).size() == values.size();
}

TEST(RandomSource, ReseededWithAnUnchangedTimerValueDoesNotRepeatEarlierDraws) {
    EXPECT_TRUE(AllDifferent(Draws(RandomSource::Fixed(7, 43200.5f), 20000)));
}

TEST(RandomSource, DrawsUnitValuesBelowOneAndWholeNumbersFromOneToNEvenly) {
    RandomSource random = RandomSource::Fixed(3);
    std::array<int, 7> counts{};
    for (int i = 0; i < 60000; ++i) {
        const double value = random.DrawUnit();
        const int j = random.Draw(6);
        ASSERT_TRUE(value >= 0.0 && value < 1.0 && j >= 1 && j <= 6) << value << " " << j;
        ++counts[j];
    }
    for (int j = 1; j <= 6; ++j)
        EXPECT_NEAR(counts[j], 10000, 500) << j;
    EXPECT_EQ(random.Draw(1), 1);
}

TEST(RandomSource, FromTheClockStartsEachSourceOnItsOwnStreamAndItsTimerAdvances) {
    EXPECT_NE(Draws(RandomSource::FromClock(), 10), Draws(RandomSource::FromClock(), 10));
    RandomSource random = RandomSource::FromClock();
    const float first = random.Timer();
    EXPECT_TRUE(first >= 0.0f && first < 86401.0f) << first;
    // Many draws fall within one tick of the clock: the state must keep moving through them.
    EXPECT_TRUE(AllDifferent(Draws(random, 20000)));
    float later = first;
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (later == first && std::chrono::steady_clock::now() < giveUp)
        later = random.Timer();
    // Forward, or back to a small value past midnight.
    EXPECT_TRUE(later > first || later < 1.0f) << first << " then " << later;
}

TEST(CreatePuzzle, CallsTheHookOncePerAttemptAndReturnsAtOnceOnABoardNotYetBuilt) {
    testing::Board b = testing::BuiltBoard(7);
    RandomSource random = RandomSource::Fixed(4);
    DigitPerm perm;
    long long calls = 0;
    const long long attempts = CreatePuzzle(b.layout, b.puzzle, perm, random, [&] { ++calls; });
    EXPECT_EQ(calls, attempts);
    EXPECT_GT(attempts, 1);
    EXPECT_EQ(CreatePuzzle(BoardLayout{}, b.puzzle, perm, random), 0);
}

// About 1.45e10 distinct unique puzzles exist: a sound source repeats one among 6,000
// with a chance under 1 in 1,000, so a repeat points at the random source.
std::vector<std::string> MadePuzzles(std::uint64_t seed, int count) {
    testing::Board b = testing::BuiltBoard(7);
    RandomSource random = RandomSource::Fixed(seed, 30000.0f);
    DigitPerm perm;
    std::vector<std::string> lines;
    for (int n = 0; n < count; ++n) {
        CreatePuzzle(b.layout, b.puzzle, perm, random);
        lines.push_back(PuzzleLine(b.layout, b.puzzle));
    }
    return lines;
}

TEST(CreatePuzzle, RepeatsARunWithTheSameSeedOnlyAndMakesNoRepeatInALongRun) {
    EXPECT_EQ(MadePuzzles(77, 20), MadePuzzles(77, 20));
    EXPECT_NE(MadePuzzles(77, 20), MadePuzzles(78, 20));
    const std::vector<std::string> lines = MadePuzzles(99, 6000);
    EXPECT_EQ(std::unordered_set<std::string>(lines.begin(), lines.end()).size(), lines.size());
}

TEST(CreatePuzzle, MakesValidPuzzlesThatTheSearchProvesUniqueWithThreeCluesAnOuterHexagon) {
    const BoardLayout layout = testing::BuiltBoard(7).layout;
    const IndexedBoard board = IndexBoard(layout);
    for (const std::string& line : MadePuzzles(2024, 300)) {
        const LineCheck check = CheckPuzzleLine(layout, line);
        ASSERT_TRUE(check.valid && check.unique) << line << check.problem;
        for (int h = 1; h <= 7; ++h) {
            DigitSet clues = 0;
            for (int i = CellIndex(h, 1); i < CellIndex(h, 1) + 6; ++i)
                if (board.given[i]) clues |= DigitBit(line[board.linePos[i]] - '0');
            EXPECT_EQ(DigitCount(clues), h == 4 ? 0 : 3) << line << " hexagon " << h;
        }
    }
}

// A second, plainer search: cell after cell, each digit 1..6 that is new to its hexagon
// and makes 7 with an already filled touching cell.
int CountCellByCell(const IndexedBoard& board, std::string_view clues, int limit) {
    std::array<int, kCellIndexMax> digit{};
    int count = 0;
    std::function<void(int)> fill = [&](int i) {
        if (i == board.cellCount) ++count;
        if (i == board.cellCount || count >= limit) return;
        const int first = i / 6 * 6, t = board.touch[i];
        for (int d = 1; d <= 6; ++d) {
            bool fits = !board.given[i] || d == clues[board.linePos[i]] - '0';
            for (int j = first; j < first + 6; ++j)
                fits = fits && digit[j] != d;
            if (t >= 0 && digit[t] != 0) fits = fits && digit[t] + d == 7;
            if (!fits) continue;
            digit[i] = d;
            fill(i + 1);
            digit[i] = 0;
        }
    };
    fill(0);
    return count;
}

TEST(CountSolutions, AgreesWithACellByCellSearchOnRandomClueSetsAndStopsAtTheLimit) {
    const BoardLayout layout = testing::BuiltBoard(7).layout;
    const IndexedBoard board = IndexBoard(layout);
    RandomSource random = RandomSource::Fixed(8);
    DigitPerm perm;
    std::set<int> kinds;  // none, one or several solutions: about one set in 200 has one
    for (int n = 0; n < 3000; ++n) {
        std::string clues(42, '0');  // random clue digits, different within a hexagon
        for (int h = 1; h <= 7; ++h) {
            ShuffleDigits(perm, random);
            for (int i = CellIndex(h, 1), k = 0; i < CellIndex(h, 1) + 6; ++i)
                if (board.given[i]) clues[board.linePos[i]] = char('0' + perm.entry[++k]);
        }
        const SolutionCount found = CountSolutions(layout, clues, 20);
        ASSERT_EQ(found.count, CountCellByCell(board, clues, 20)) << clues;
        kinds.insert(std::min(found.count, 2));
        if (found.count == 0) continue;
        EXPECT_TRUE(CheckPuzzleLine(layout, found.firstLine).valid) << found.firstLine;
        std::string cluesOfFirst = found.firstLine;
        for (std::size_t k = 0; k < clues.size(); ++k)
            if (clues[k] == '0') cluesOfFirst[k] = '0';
        EXPECT_EQ(cluesOfFirst, clues);
        if (found.count >= 3) {
            EXPECT_EQ(CountSolutions(layout, clues, 2).count, 2);
            EXPECT_EQ(CountSolutions(layout, clues, 1).count, 1);
        }
    }
    EXPECT_EQ(kinds.size(), 3u);
    EXPECT_EQ(CountSolutions(layout, std::string(42, '9'), 2).count, 0);
    EXPECT_EQ(CountSolutions(layout, "436", 2).count, 0);
}

}  // namespace
}  // namespace lumeta
