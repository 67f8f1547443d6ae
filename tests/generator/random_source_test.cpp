#include "generator/random_source.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "board/puzzle_state.h"
#include "generator/dealt_attempt.h"
#include "generator/hex_words.h"
#include "generator/puzzle_check.h"
#include "generator/puzzle_generator.h"
#include "support/board_fixture.h"

namespace lumeta {
namespace {

// A clock the test steps by hand: reading r shows millis[r] milliseconds past a fixed
// moment, the last entry for every reading after.
struct ScriptedClock {
    std::vector<long> millis{0};
    std::size_t reads = 0;
};
ScriptedClock clock;

int ReadScriptedClock(clockid_t, timespec* now) {
    const long ms = clock.millis[std::min(clock.reads++, clock.millis.size() - 1)];
    now->tv_sec = 1'700'000'000 + ms / 1000;
    now->tv_nsec = ms % 1000 * 1'000'000;
    return 0;
}

void SetClock(std::vector<long> millis) {
    clock.millis = std::move(millis);
    clock.reads = 0;
}

// The places of one attempt's shuffles: six per hexagon of the 7-hexagon board.
constexpr int kDraws = 42;
int Place(int d) {
    return 6 - d % 6;
}

// Values of draws made ahead, and how often the work alongside ran.
struct Made {
    std::vector<int> values;
    int alongside = 0;
};
Made MakeAhead(RandomSource& random) {
    std::array<std::uint64_t, kDraws> made{};
    Made result;
    random.MakeDraws(made.data(), kDraws, [&](int) { ++result.alongside; });
    for (int d = 0; d < kDraws; ++d)
        result.values.push_back(RandomSource::ValueOf(made[d], Place(d)));
    return result;
}
// The same places drawn one by one, the clock read before each.
std::vector<int> DrawOneByOne(RandomSource& random) {
    std::vector<int> values;
    for (int d = 0; d < kDraws; ++d)
        values.push_back(random.Draw(Place(d)));
    return values;
}

TEST(MakeDraws, MakesTheDrawsAgainReadingTheClockBeforeEachWhenItTicksInside) {
    // The tick falls between the reading before the run and the one after: no draw may
    // keep the value from before it.
    SetClock({0, 100});
    RandomSource ticked = RandomSource::OnClock(ReadScriptedClock, 4);
    const Made made = MakeAhead(ticked);
    EXPECT_EQ(made.alongside, kDraws) << "the work alongside runs once";
    SetClock({100});
    RandomSource after = RandomSource::OnClock(ReadScriptedClock, 4);
    EXPECT_EQ(made.values, DrawOneByOne(after));
    SetClock({0});
    RandomSource before = RandomSource::OnClock(ReadScriptedClock, 4);
    EXPECT_NE(made.values, DrawOneByOne(before)) << "the timer value should matter";
}

TEST(CreatePuzzle, OnTheClockMakesWhatAttemptsDealtOneByOneMakeAndStaysSoundWhenItTicks) {
    const testing::Board built = testing::BuiltBoard(7);
    const IndexedBoard board = IndexBoard(built.layout);
    const HexWordBoard words = MakeHexWordBoard(board);
    SetClock({0});
    for (int made = 0; made < 5; ++made) {
        // Attempt after attempt, each dealt and run in turn, on a clock that stands still.
        RandomSource ahead = RandomSource::OnClock(ReadScriptedClock, 30 + made);
        RandomSource oneByOne = RandomSource::OnClock(ReadScriptedClock, 30 + made);
        DigitPerm permAhead, permOneByOne;
        PuzzleState puzzle = built.puzzle, expected = built.puzzle;
        const long long attempts = CreatePuzzle(built.layout, puzzle, permAhead, ahead);
        long long expectedAttempts = 0;
        HexWordGrid grid;
        do {
            ++expectedAttempts;
            testing::DealAttempt(words, permOneByOne, oneByOne, grid);
        } while (RunHexWordAttempt(words, grid) != Verdict::Complete);
        CandidateGrid cells;
        HexWordsToGrid(words, grid, cells);
        GridToSolution(board, cells, expected);
        EXPECT_EQ(attempts, expectedAttempts);
        EXPECT_EQ(PuzzleLine(built.layout, puzzle), PuzzleLine(built.layout, expected));
        EXPECT_EQ(permAhead.entry, permOneByOne.entry);
        EXPECT_EQ(ahead.Draw(6), oneByOne.Draw(6)) << "the streams go on alike";
    }

    // A clock that ticks between any two readings: every run of draws is made again.
    std::vector<long> ticking(200000);
    for (std::size_t r = 0; r < ticking.size(); ++r)
        ticking[r] = static_cast<long>(r) * 100 % 86'400'000;
    SetClock(ticking);
    RandomSource random = RandomSource::OnClock(ReadScriptedClock, 2);
    DigitPerm perm;
    PuzzleState puzzle = built.puzzle;
    for (int made = 0; made < 3; ++made) {
        CreatePuzzle(built.layout, puzzle, perm, random);
        const LineCheck check = CheckPuzzleLine(built.layout, PuzzleLine(built.layout, puzzle));
        EXPECT_TRUE(check.valid && check.unique) << check.problem;
    }
}

}  // namespace
}  // namespace lumeta
