#include "app/help_me_menu.h"
#include "generator/puzzle_check.h"
#include "view/entry_marks.h"
#include "window_fixture.h"

namespace lumeta {
namespace {

using namespace lumeta::testing;

// The "Help me" menu on puzzle 1 of the shipped puzzles: a hint, the check of entries,
// creating by grade, and the grade on the menu bar.
class HelpMeTest : public WindowTest {
  protected:
    void SetUp() override {
        WritePuzzles("puzzles.txt", 3);
        Start();
    }
    void Choose(const char* name) {
        form->findChild<QAction*>(QLatin1String(name))->trigger();
        QCoreApplication::processEvents();
    }
    QString GradeShown() const { return form->helpMeMenu->gradeLabel->text(); }
    std::size_t Ringed() { return form->helpMeMenu->marks->Marked().size(); }
};

TEST_F(HelpMeTest, HintsSelectWithoutFillingAndCheckRingsWrongEntriesUntilTheNextChange) {
    EXPECT_EQ(GradeShown(), "Medium");

    Choose("mnuhint");
    const auto [row, col] = Selected();
    ASSERT_NE(row, 0);
    EXPECT_TRUE(Status().contains(" is " + Q(S().puzzle.Solution[row][col]) + ": "))
        << Status().toStdString();
    EXPECT_EQ(Entry(row, col), "");
    EXPECT_TRUE(S().undo.empty());

    Choose("mnucheckentries");
    EXPECT_EQ(Status(), "No wrong entries");
    const std::string wrong = S().puzzle.Solution[3][6] == "1" ? "2" : "1";
    Enter(3, 6, Q(wrong));
    Enter(3, 7, Q(S().puzzle.Solution[3][7]));
    Choose("mnucheckentries");
    EXPECT_EQ(Status(), "1 wrong entry is ringed");
    EXPECT_EQ(Ringed(), 1u);
    Choose("mnuhint");
    EXPECT_EQ(Selected(), std::pair(3, 6));
    EXPECT_EQ(Status(), "Hex 4, side 2 is wrong: " + Q(wrong) + " does not go there");
    Enter(3, 6, Q(S().puzzle.Solution[3][6]));
    EXPECT_EQ(Ringed(), 0u);
}

TEST_F(HelpMeTest, CreateExpertMakesAPuzzleWithAViewThatChecksAndSavesWithIt) {
    Choose("mnucreateExpert");
    EXPECT_EQ(Status(), "Puzzle created ...");
    EXPECT_EQ(GradeShown(), "Expert");
    const std::string line = PuzzleLineWithView(S().layout, S().puzzle);
    ASSERT_EQ(line.size(), 85u);
    EXPECT_EQ(CheckPuzzleLine(S().layout, line).problem, "");
    // A hidden outer clue is for the player to fill: the pointer selects it.
    std::pair<int, int> hidden;
    for (int row = 1; row <= S().layout.GridRows; ++row)
        for (int col = 1; col <= S().layout.GridCols; ++col)
            if (S().layout.Given[row][col] == 1 && S().puzzle.Shown[row][col] == 0)
                hidden = {row, col};
    ASSERT_NE(hidden.first, 0);
    PointAt(hidden.first, hidden.second);
    EXPECT_EQ(Selected(), hidden);
}

TEST_F(HelpMeTest, ABadViewFieldLoadsWithTheOuterSidesAndSaysSo) {
    const std::string line = PuzzleLineNo(1);
    std::ofstream(WorkFile("views.txt"), std::ios::binary)
        << line << " " << std::string(41, '.') << "\r\n";
    form->OpenPuzzleFileNamed(WorkFile("views.txt"));
    QCoreApplication::processEvents();
    EXPECT_EQ(OnBoard(), line);
    EXPECT_EQ(Status(),
              "View field not used: the view field has 41 characters, not 42; the outer sides are "
              "shown");
    EXPECT_EQ(S().puzzle.Shown, S().layout.Given);
}

}  // namespace
}  // namespace lumeta
