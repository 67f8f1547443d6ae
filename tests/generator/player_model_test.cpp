#include <gtest/gtest.h>

#include "generator/hint_finder.h"
#include "generator/player_model.h"
#include "generator/puzzle_check.h"
#include "generator/puzzle_solver.h"
#include "support/board_fixture.h"

namespace lumeta {
namespace {

using testing::BuiltBoard;
using testing::kSampleLine;
using testing::SetGrid;

// An Expert puzzle: its view hides three of the 18 outer clues.
constexpr std::string_view kExpertLine =
    "134215265264463416135312532543654341621562 13421.....64.........3.......3.5.....21562";

TEST(Grades, FollowFromTheMovesAPlayerNeedsAtEachBoundary) {
    const struct {
        std::string_view line;
        Grade grade;
        const char* why;
    } cases[] = {
        {"253251614316364362524412541651536134324256", Grade::Easy, "one look across, 4 rounds"},
        {"532651641634423435251451621621623453435216", Grade::Medium, "two looks across"},
        {"423516165265423413431651625243423451615362", Grade::Hard, "a chain of six rounds"},
        {"361345245261216132534462546142351632536541", Grade::Hard, "three looks across"},
        {kExpertLine, Grade::Expert, "hidden outer clues and pairs"},
    };
    const testing::Board board = BuiltBoard();
    PuzzleGrader grader(board.layout);
    for (const auto& c : cases) {
        Grade grade = Grade::Easy;
        ASSERT_TRUE(grader.GradeLine(c.line, grade)) << c.line;
        EXPECT_STREQ(GradeName(grade), GradeName(c.grade)) << c.why;
    }
    Grade grade = Grade::Easy;
    EXPECT_FALSE(grader.GradeLine(kSampleLine.substr(0, 41), grade));
    EXPECT_TRUE(ParseGrade("eXpErT", grade) && grade == Grade::Expert);
    EXPECT_FALSE(ParseGrade("expertly", grade));
}

// The exhaustive count reads only what the view shows: the same solution is unique with
// some outer clues hidden and not with too many hidden.
TEST(ViewUniqueness, IsProvedByTheIndependentSolutionCounter) {
    const testing::Board board = BuiltBoard();
    SolutionCounter counter(board.layout);
    const std::string_view solution = kExpertLine.substr(0, 42);
    const std::string_view view = kExpertLine.substr(43);
    const SolutionCount shown = counter.CountView(view, 2);
    EXPECT_EQ(shown.count, 1);
    EXPECT_EQ(shown.firstLine, solution);
    std::string fewer(view);
    fewer.replace(0, 5, ".....");
    EXPECT_EQ(counter.CountView(fewer, 2).count, 2);
    EXPECT_TRUE(CheckPuzzleLine(board.layout, kExpertLine).unique);
    EXPECT_EQ(CheckPuzzleLine(board.layout, std::string(solution) + " " + fewer).problem,
              "the cells its view shows have more than one solution");
}

TEST(Hint, NamesAWrongEntryFirstAndOtherwiseExplainsADecidedCompartment) {
    testing::Board board = BuiltBoard();
    PlacePuzzleLine(board.layout, board.puzzle, "253251614316364362524412541651536134324256");
    // A wrong 2 at hexagon 4, side 1 (row 3, column 5), where the solution has a 3.
    SetGrid(
        board.layout, board.puzzle.Entry,
        {"----...----", "-.........-", "-...2.....-", "-.........-", "-.........-", "----...----"});
    Hint hint = FindHint(board.layout, board.puzzle);
    EXPECT_EQ(hint.kind, Hint::Kind::WrongEntry);
    EXPECT_EQ(hint.text, "Hex 4, side 1 is wrong: 2 does not go there");

    ClearEntries(board.puzzle);
    hint = FindHint(board.layout, board.puzzle);
    ASSERT_EQ(hint.kind, Hint::Kind::Decided);
    EXPECT_EQ(board.puzzle.Solution[hint.row][hint.col], std::to_string(hint.digit));
    EXPECT_EQ(hint.text, "Hex 1, side 4 is 4: hex 3 has 1 and 6, so not 1 or 6");

    // Every hint on the way is right and the model's moves fill the board.
    for (int step = 0; step < 24; ++step) {
        hint = FindHint(board.layout, board.puzzle);
        ASSERT_EQ(hint.kind, Hint::Kind::Decided) << step;
        ASSERT_EQ(board.puzzle.Solution[hint.row][hint.col], std::to_string(hint.digit));
        board.puzzle.Entry[hint.row][hint.col] = std::to_string(hint.digit);
    }
    EXPECT_EQ(FindHint(board.layout, board.puzzle).kind, Hint::Kind::None);
    EXPECT_EQ(VerifyPuzzle(board.layout, board.puzzle), VerifyOutcome::AllDone);
}

}  // namespace
}  // namespace lumeta
