// Hints on the larger boards: followed one after another they fill the board with its
// solution, also where a candidate must be tried to go on.
#include <gtest/gtest.h>

#include <string>

#include "board/board_layout.h"
#include "board/puzzle_state.h"
#include "generator/hint_finder.h"

namespace lumeta {
namespace {

TEST(BigBoardHints, LeadStepByStepToTheSolutionAlsoWhereACandidateMustBeTried) {
    const struct {
        int hexagons;
        std::string line;  // a puzzle whose player must try a candidate once
    } puzzles[] = {
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
        EXPECT_GE(tried, 1) << p.hexagons;
    }
}

}  // namespace
}  // namespace lumeta
