#include "app/help_me_menu.h"
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

}  // namespace
}  // namespace lumeta
