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
    board.puzzle.Entry[3][5] = "2";
    Hint hint = FindHint(board.layout, board.puzzle);
    EXPECT_EQ(hint.kind, Hint::Kind::WrongEntry);
    EXPECT_EQ(hint.text, "Hex 4, side 1 is wrong: 2 does not go there");

    ClearEntries(board.puzzle);
    hint = FindHint(board.layout, board.puzzle);
    ASSERT_EQ(hint.kind, Hint::Kind::Decided);
    EXPECT_EQ(board.puzzle.Solution[hint.row][hint.col], std::to_string(hint.digit));
    EXPECT_EQ(hint.text, "Hex 1, side 4 is 4: hex 3 has 1 and 6, so not 1 or 6");
}

// Hints followed one after another fill the board with its solution, also where a
// candidate must be tried to go on on the larger boards.
TEST(BigBoardHints, LeadStepByStepToTheSolutionAlsoWhereACandidateMustBeTried) {
    const struct {
        int hexagons;
        std::string line;  // on the larger boards, a candidate must be tried once
    } puzzles[] = {
        {7, "253251614316364362524412541651536134324256"},
        {10,
         "564546123423321652516253413461416162523564354352231623416415"
         " 56454.....233.......62.......14.......35.4.....223.....16415"},
        {19,
         "34662525161556343162523434612434613434615245252164525162413615612342613514524345253164262"
         "3436136142531152541635362"
         " 34662.....1556...........461...4.........24........2....41.......3.....51.....4......."
         "262...........3115.....35362"},
    };
    for (const auto& p : puzzles) {
        BoardLayout layout;
        PuzzleState puzzle;
        layout.NumHex = p.hexagons;
        BuildBoard(layout, puzzle);
        ASSERT_EQ(PlacePuzzleLine(layout, puzzle, p.line), "");
        int hints = 0, tried = 0;
        for (Hint hint = FindHint(layout, puzzle); hint.kind != Hint::Kind::None;
             hint = FindHint(layout, puzzle)) {
            ASSERT_EQ(hint.kind, Hint::Kind::Decided) << hint.text;
            ASSERT_EQ(std::to_string(hint.digit), puzzle.Solution[hint.row][hint.col]) << hint.text;
            puzzle.Entry[hint.row][hint.col] = std::to_string(hint.digit);
            ++hints;
            tried += hint.text.find("tried") != std::string::npos;
        }
        EXPECT_EQ(VerifyPuzzle(layout, puzzle), VerifyOutcome::AllDone) << p.hexagons;
        EXPECT_GT(hints, 0);
        EXPECT_GE(tried, p.hexagons > 7 ? 1 : 0) << p.hexagons;
    }
}

}  // namespace
}  // namespace lumeta
