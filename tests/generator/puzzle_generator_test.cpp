#include "generator/puzzle_generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <unordered_set>

#include "board/num_text.h"
#include "generator/hex_words.h"
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

TEST(RandomSource, ReseededWithAnUnchangedTimerValueDoesNotRepeatEarlierDraws) {
    const std::vector<double> values = Draws(RandomSource::Fixed(7, 43200.5f), 20000);
    EXPECT_EQ(std::set<double>(values.begin(), values.end()).size(), values.size());
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

TEST(RandomSource, FromTheClockReadsSecondsSinceMidnightAndStartsEachSourceOnItsOwnStream) {
    const float timer = RandomSource::FromClock().Timer();
    EXPECT_TRUE(timer >= 0.0f && timer < 86401.0f) << timer;
    EXPECT_NE(Draws(RandomSource::FromClock(), 10), Draws(RandomSource::FromClock(), 10));
}

TEST(RandomSource, FromTheClockTimerAdvancesAndDrawsWithinOneTickDoNotRepeat) {
    RandomSource random = RandomSource::FromClock();
    const float first = random.Timer();
    // Many draws follow each other within one tick of the clock, so they share a timer
    // value: the state must keep moving through them.
    const std::vector<double> values = Draws(random, 20000);
    EXPECT_EQ(std::set<double>(values.begin(), values.end()).size(), values.size());
    float later = first;
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (later == first && std::chrono::steady_clock::now() < giveUp)
        later = random.Timer();
    // Forward, or back to a small value past midnight.
    EXPECT_TRUE(later > first || later < 1.0f) << first << " then " << later;
}

// RemoveDigits strikes first occurrences; CommonDigits keeps shared digits or a blank's other side.
TEST(DigitTexts, LoseTheStruckDigitsOrKeepTheCommonOnes) {
    EXPECT_EQ(RemoveDigits("123456", "25"), "1346");
    EXPECT_EQ(RemoveDigits("1346", "7"), "1346");
    EXPECT_EQ(RemoveDigits("532", "3"), "52");
    EXPECT_EQ(CommonDigits("532", "245"), "25");
    EXPECT_EQ(CommonDigits("16", "25"), "");
    EXPECT_EQ(CommonDigits("", "245"), "245");
    EXPECT_EQ(CommonDigits("13", ""), "13");
    EXPECT_EQ(CommonDigits("  ", "245"), "245");
}

TEST(DigitSets, GiveTheSameResultsAsTheTextsForEveryPairOfCandidateTexts) {
    for (int a = 0; a < 64; ++a) {
        for (int b = 0; b < 64; ++b) {
            const std::string ta = DigitSetText(DigitSet(a)), tb = DigitSetText(DigitSet(b));
            const DigitSet sa = DigitSetOf(ta), sb = DigitSetOf(tb);
            EXPECT_EQ(DigitSetText(CommonDigits(sa, sb)), CommonDigits(ta, tb)) << ta << " " << tb;
            EXPECT_EQ(DigitSetText(RemoveDigits(sa, sb)), RemoveDigits(ta, tb)) << ta << " " << tb;
        }
    }
}

// A built 7-hexagon board with the candidate texts of its Solution table at hand.
// Side 5 of hexagon 1 touches side 2 of hexagon 4, the centre; sides 1..3 of 1 are given.
struct TextBoard {
    testing::Board b = testing::BuiltBoard(7);

    std::string& At(int cell) {
        return b.puzzle.Solution[b.layout.CellRow[cell]][b.layout.CellCol[cell]];
    }
    std::string& Text(int h, int s) { return At(b.layout.HexCell[h][s]); }
    bool Given(int h, int s) {
        const int cell = b.layout.HexCell[h][s];
        return b.layout.Given[b.layout.CellRow[cell]][b.layout.CellCol[cell]] == 1;
    }
};

// Hexagons as their six candidate texts in side order: "*" for 123456, "-" for none.
using Hexes = std::vector<std::pair<int, std::string>>;

// Every cell 123456 except where `hexes` says otherwise, on texts and digit sets alike.
struct RuleBoard : TextBoard {
    IndexedBoard board = IndexBoard(b.layout);
    CandidateGrid grid;

    explicit RuleBoard(const Hexes& hexes) {
        for (int h = 1; h <= 7; ++h)
            for (int s = 1; s <= 6; ++s)
                Text(h, s) = "123456";
        for (const auto& [h, texts] : hexes) {
            std::istringstream in(texts);
            for (int s = 1; s <= 6; ++s) {
                std::string t;
                in >> t;
                Text(h, s) = t == "*" ? "123456" : t == "-" ? "" : t;
            }
        }
        GridFromSolution(board, b.puzzle, grid);
    }
};

TEST(TouchAllowed, MirrorsTheTouchingCellAndIsEmptyForAGivenOrFixedCell) {
    auto allowed = [](const Hexes& hexes, int h, int s) {
        RuleBoard r(hexes);
        const std::string text = TouchAllowed(r.b.layout, r.b.puzzle, h, s);
        EXPECT_EQ(TouchAllowed(r.board, r.grid, h, s), DigitSetOf(text)) << text;
        return text;
    };
    EXPECT_EQ(allowed({{1, "* * * * 12 *"}, {4, "* - * * * *"}}, 1, 5), "123456");
    EXPECT_EQ(allowed({{4, "* 245 * * * *"}}, 1, 5), "532");
    EXPECT_EQ(allowed({{1, "* * * * 4 *"}}, 1, 5), "");
    EXPECT_EQ(allowed({}, 1, 1), "");
}

// Applies the rule to `before` and compares the hexagons of `after`.
template <typename Rule>
void ExpectRule(const char* what, Rule rule, const Hexes& before, const Hexes& after,
                Verdict verdict = Verdict::Complete) {
    RuleBoard r(before), want(after);
    if constexpr (std::is_void_v<decltype(rule(r.board, r.grid))>)
        rule(r.board, r.grid);
    else
        EXPECT_EQ(rule(r.board, r.grid), verdict) << what;
    GridToSolution(r.board, r.grid, r.b.puzzle);
    for (const auto& [h, texts] : after)
        for (int s = 1; s <= 6; ++s)
            EXPECT_EQ(r.Text(h, s), want.Text(h, s)) << what << ", hexagon " << h << " side " << s;
}

TEST(GeneratorRules, StrikeTheDigitsTheirRuleExcludesAndNoOthers) {
    ExpectRule("fixed digits, in their hexagon", RemoveFixedDigits, {{4, "4 34 * * * *"}},
               {{4, "4 3 12356 12356 12356 12356"}, {1, "* * * * * *"}});
    // The fixed 3 is struck first, so hexagon 2 already sees 12456 beside it.
    ExpectRule(
        "touching sides make 7", ApplyTouchRule, {{4, "* 3 * * * *"}},
        {{1, "* * * * 4 *"}, {2, "* * * 12356 * *"}, {4, "12456 3 12456 12456 12456 12456"}});
    ExpectRule("no digit left fails at once", ApplyTouchRule,
               {{4, "* 3 * * * *"}, {1, "* * * * 12 *"}}, {{2, "* * * * * *"}}, Verdict::Failed);
    ExpectRule("an empty cell stays for the check", ApplyTouchRule,
               {{4, "* 3 * * * *"}, {1, "* * * * - *"}}, {{1, "* * * * - *"}});
    ExpectRule("a pair in two cells", ApplyPairRule, {{4, "25 25 1256 23 * *"}},
               {{4, "25 25 16 23 1346 1346"}, {3, "* * * * * *"}});
    ExpectRule("a pair in three cells", ApplyPairRule, {{4, "25 25 25 * * *"}},
               {{4, "25 25 25 * * *"}});
    // 12 first: 1234 keeps 34, and with two digits the pair 34 leaves it alone.
    ExpectRule("pairs in ascending order", ApplyPairRule, {{4, "34 34 12 12 1234 *"}},
               {{4, "34 34 12 12 34 56"}});
    // 1 and 6 are lone in side 1 of 4, the smaller is taken; the fixed 4 of 5 is lone too.
    ExpectRule("a lone digit", ApplyLoneDigitRule,
               {{4, "16 2345 2345 2345 2345 2345"}, {5, "12356 12356 4 12356 12356 1236"}},
               {{4, "1 2345 2345 2345 2345 2345"}, {5, "12356 12356 4 12356 12356 1236"}});
}

TEST(HexWordRules, StrikeOwnedPairsInTheOrderOfTheRuleOnDigitSets) {
    for (const char* hexagon : {"34 34 12 12 1234 *", "25 25 1256 23 * *", "25 25 25 * * *",
                                "12 12 123 124 1234 56", "23 23 14 14 1234 *"}) {
        RuleBoard r({{4, hexagon}});
        const HexWordBoard words = MakeHexWordBoard(r.board);
        HexWordGrid before, after;
        HexWordsFromGrid(words, r.grid, before);
        ApplyPairRule(r.board, r.grid);
        HexWordsFromGrid(words, r.grid, after);
        EXPECT_EQ(ApplyPairRuleToHex(before.hex[4]), after.hex[4]) << hexagon;
    }
}

TEST(CheckBoardState, FailsOnAnEmptyCellOrARepeatedDigitAndOnABrokenPairOnceNoCellIsOpen) {
    TextBoard t;
    const IndexedBoard board = IndexBoard(t.b.layout);
    auto judge = [&] {
        CandidateGrid grid;
        GridFromSolution(board, t.b.puzzle, grid);
        return std::pair(CheckBoardState(board, grid), CheckTouchSums(board, grid));
    };
    using enum Verdict;
    PlacePuzzleLine(t.b.layout, t.b.puzzle, testing::kSampleLine);
    EXPECT_EQ(judge(), std::pair(Complete, Complete));
    t.Text(4, 2) = "";
    EXPECT_EQ(judge().first, Failed);
    t.Text(4, 2) = std::string(1, t.Text(4, 1)[0]);  // a digit twice, while a cell is open
    t.Text(4, 3) = "12";
    EXPECT_EQ(judge().first, Failed);

    // Hexagon 1's 2 and 3 exchanged: its side 5 (3) and side 2 of the centre (5) make 8.
    std::string broken(testing::kSampleLine);
    std::swap(broken[1], broken[7]);
    PlacePuzzleLine(t.b.layout, t.b.puzzle, broken);
    EXPECT_EQ(judge(), std::pair(Failed, Failed));
    t.Text(7, 2) = "56";  // a cell open again
    EXPECT_EQ(judge(), std::pair(Open, Failed));
}

TEST(CreatePuzzle, CallsTheHookOncePerAttemptAndReturnsAtOnceOnABoardNotYetBuilt) {
    TextBoard t;
    RandomSource random = RandomSource::Fixed(4);
    DigitPerm perm;
    long long calls = 0;
    const long long attempts = CreatePuzzle(t.b.layout, t.b.puzzle, perm, random, [&] { ++calls; });
    EXPECT_EQ(calls, attempts);
    EXPECT_GT(attempts, 1);
    EXPECT_EQ(CreatePuzzle(BoardLayout{}, t.b.puzzle, perm, random), 0);
}

// About 1.45e10 distinct unique puzzles exist: a sound source repeats one among 6,000
// with a chance under 1 in 1,000, so a repeat points at the random source.
std::vector<std::string> MadePuzzles(std::uint64_t seed, int count) {
    TextBoard t;
    RandomSource random = RandomSource::Fixed(seed, 30000.0f);
    DigitPerm perm;
    std::vector<std::string> lines;
    for (int n = 0; n < count; ++n) {
        CreatePuzzle(t.b.layout, t.b.puzzle, perm, random);
        lines.push_back(PuzzleLine(t.b.layout, t.b.puzzle));
    }
    return lines;
}

// CreatePuzzle works on hexagon words; every attempt, not just the ones that complete,
// must end as the rules run one by one end it.
TEST(HexWordAttempt, DealsAndEndsEveryAttemptAsTheRulesRunOneByOneDo) {
    const BoardLayout layout = testing::BuiltBoard(7).layout;
    const IndexedBoard board = IndexBoard(layout);
    const HexWordBoard words = MakeHexWordBoard(board);
    RandomSource byRule = RandomSource::Fixed(11), byWord = RandomSource::Fixed(11);
    DigitPerm permByRule, permByWord;
    std::map<Verdict, int> verdicts;
    for (int n = 0; n < 20000; ++n) {
        CandidateGrid grid, fromWords;
        HexWordGrid hexes;
        StartAttempt(board, grid, permByRule, byRule);
        StartHexWordAttempt(words, hexes, permByWord, byWord);
        HexWordsToGrid(words, hexes, fromWords);
        ASSERT_EQ(fromWords.cell, grid.cell) << "deal " << n;
        ASSERT_EQ(permByWord.entry, permByRule.entry) << "deal " << n;
        const Verdict verdict = RunAttempt(board, grid);
        ASSERT_EQ(RunHexWordAttempt(words, hexes), verdict) << "attempt " << n;
        ++verdicts[verdict];
        HexWordsToGrid(words, hexes, fromWords);
        if (verdict == Verdict::Complete) {
            ASSERT_EQ(fromWords.cell, grid.cell) << "attempt " << n;
        }
    }
    EXPECT_GT(verdicts[Verdict::Complete], 50);
}

TEST(CreatePuzzle, RepeatsARunWithTheSameSeedOnlyAndMakesNoRepeatInALongRun) {
    EXPECT_EQ(MadePuzzles(77, 20), MadePuzzles(77, 20));
    EXPECT_NE(MadePuzzles(77, 20), MadePuzzles(78, 20));
    const std::vector<std::string> lines = MadePuzzles(99, 6000);
    EXPECT_EQ(std::unordered_set<std::string>(lines.begin(), lines.end()).size(), lines.size());
}

TEST(CreatePuzzle, MakesValidPuzzlesThatTheSearchProvesUniqueAndTheRulesSolveFromTheirClues) {
    TextBoard t;
    const IndexedBoard board = IndexBoard(t.b.layout);
    for (const std::string& line : MadePuzzles(2024, 300)) {
        const LineCheck check = CheckPuzzleLine(t.b.layout, line);
        ASSERT_TRUE(check.valid && check.unique) << line << check.problem;
        PlacePuzzleLine(t.b.layout, t.b.puzzle, line);
        for (int h = 1; h <= 7; ++h) {
            DigitSet clues = 0;
            for (int s = 1; s <= 6; ++s)
                if (t.Given(h, s)) clues |= DigitSetOf(t.Text(h, s));
            EXPECT_EQ(DigitCount(clues), h == 4 ? 0 : 3) << line << " hexagon " << h;
        }
        // The rules alone, from the clues with every open cell reset, reach the solution.
        CandidateGrid grid;
        GridFromSolution(board, t.b.puzzle, grid);
        SetOpenCandidates(board, grid);
        ASSERT_EQ(RunAttempt(board, grid), Verdict::Complete) << line;
        GridToSolution(board, grid, t.b.puzzle);
        EXPECT_EQ(PuzzleLine(t.b.layout, t.b.puzzle), line);
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
    CandidateGrid grid;
    RandomSource random = RandomSource::Fixed(8);
    DigitPerm perm;
    std::set<int> kinds;  // none, one or several solutions: about one set in 200 has one
    for (int n = 0; n < 3000; ++n) {
        StartAttempt(board, grid, perm, random);  // random clue digits, open cells as '0'
        std::string clues(42, '0');
        for (int i = 0; i < board.cellCount; ++i)
            if (board.given[i]) clues[board.linePos[i]] = char('0' + SingleDigit(grid.cell[i]));
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
