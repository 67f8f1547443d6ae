#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "controls/box_control.h"
#include "controls/colour_value.h"
#include "support/board_fixture.h"
#include "view/board_picture.h"
#include "window_fixture.h"

namespace lumeta {
namespace {

using namespace lumeta::testing;

constexpr std::uint32_t kFixed = RGBValue(255, 0, 0);
constexpr std::uint32_t kUser = RGBValue(128, 0, 0);

// A started window on a file of ten puzzles, puzzle 1 on the board.
class PlayTest : public WindowTest {
  protected:
    void SetUp() override {
        WritePuzzles("puzzles.txt", 10);
        Start();
        ASSERT_EQ(PuzzleLabel(), "p# 1 of 10");
    }

    void Type(const QString& text) {
        for (QChar c : text)
            Key(static_cast<Qt::Key>(c.unicode()), QString(c));
    }

    // Enters the solution digit of every open cell.
    void SolveAll() {
        const BoardLayout& layout = S().layout;
        for (int row = 1; row <= layout.GridRows; ++row)
            for (int col = 1; col <= layout.GridCols; ++col)
                if (layout.IsBoardCell(row, col) && layout.Given[row][col] == 0) {
                    PointAt(row, col);
                    Type(QString::fromStdString(S().puzzle.Solution[row][col]));
                }
    }

    Selection Selected() { return S().selection; }
    QRectF Marker() const { return form->Picture1->MarkerRectTwips(); }
};

// ---- Pointer

TEST_F(PlayTest, PointingAtAnOpenCellSelectsItAndNamesIt) {
    PointAt(3, 6);
    EXPECT_EQ(Status(), "Hex = 4, Cell= 2");
    EXPECT_EQ(Selected().CurRow, 3);
    EXPECT_EQ(Selected().CurCol, 6);
    EXPECT_TRUE(form->Picture1->MarkerVisible());
    // Upper cell: three quarters down the box, a quarter in from its left.
    EXPECT_DOUBLE_EQ(Marker().left(), 2270 + 118.5);
    EXPECT_DOUBLE_EQ(Marker().top(), 1700 + 592.5);
    EXPECT_DOUBLE_EQ(Marker().width(), 237);
    EXPECT_DOUBLE_EQ(Marker().height(), 118.5);
    EXPECT_TRUE(form->Picture1->hasFocus());

    // Lower cell: an eighth down the box.
    PointAt(4, 7);
    EXPECT_EQ(Status(), "Hex = 4, Cell= 4");
    EXPECT_DOUBLE_EQ(Marker().top(), 2490 + 98.75);
}

TEST_F(PlayTest, PointingAtTheTopOfThePictureClearsTheSelection) {
    PointAt(3, 6);
    PointAtTwips(2400, 60);  // row 0
    EXPECT_EQ(Selected().CurRow, 0);
    EXPECT_EQ(Status(), "");
    EXPECT_FALSE(form->Picture1->MarkerVisible());
}

TEST_F(PlayTest, PassingOverAGivenCellKeepsTheLastSelection) {
    PointAt(2, 6);  // hexagon 1, side 5
    PointAt(1, 6);  // its given top side
    EXPECT_EQ(Selected().CurRow, 2);
    EXPECT_EQ(Selected().CurCol, 6);
    EXPECT_EQ(Status(), "Hex = 1, Cell= 5");
    EXPECT_TRUE(form->Picture1->MarkerVisible());
}

TEST_F(PlayTest, AtAHexagonsCornerTheGridBoxDecides) {
    const GameState& s = S();
    // Inside the drawn centre hexagon's left corner, but in hexagon 2's box.
    PointAtTwips(s.geometry.CellX[3][5] - 60, s.geometry.CellY[3][5] + 600);
    EXPECT_EQ(Status(), "Hex = 2, Cell= 4");
    // Beside the top hexagon's left corner: a box of no hexagon.
    PointAtTwips(s.geometry.CellX[1][5] - 60, s.geometry.CellY[1][5] + 600);
    EXPECT_EQ(Status(), "");
    EXPECT_EQ(Selected().CurRow, 0);
}

TEST_F(PlayTest, WhileBusyThePointerOnlyClearsTheSelection) {
    PointAt(3, 6);
    form->cmdcreate->SetEnabled(false);
    PointAt(4, 6);
    EXPECT_EQ(Selected().CurRow, 0);
    EXPECT_EQ(Status(), "Hex = 4, Cell= 2");
    EXPECT_TRUE(form->Picture1->MarkerVisible());
    EXPECT_DOUBLE_EQ(Marker().top(), 1700 + 592.5);
}

TEST_F(PlayTest, ClicksOnTheBoardDoNothing) {
    PointAt(3, 6);
    QTest::mouseClick(form->Picture1, Qt::LeftButton, {}, BoxCentre(3, 6));
    QTest::mouseClick(form->Picture1, Qt::RightButton, {}, BoxCentre(3, 6));
    EXPECT_EQ(Entry(3, 6), "");
    EXPECT_TRUE(S().undo.empty());
    EXPECT_EQ(Status(), "Hex = 4, Cell= 2");
}

// ---- Typing and undo

TEST_F(PlayTest, TypedDigitsGoIntoTheCellAndUndoTakesThemBack) {
    PointAt(3, 6);
    Type("335");
    EXPECT_EQ(Entry(3, 6), "5");
    ASSERT_EQ(S().undo.size(), 3u);
    EXPECT_EQ(S().undo.records[0], " 3, 6,3");
    EXPECT_GT(ColourInBox(3, 6, kUser, 30), 3);

    Click(form->cmdundo);
    EXPECT_EQ(Entry(3, 6), "3");
    Click(form->cmdundo);
    EXPECT_EQ(Entry(3, 6), "3");
    Click(form->cmdundo);
    EXPECT_EQ(Entry(3, 6), "");
    EXPECT_EQ(ColourInBox(3, 6, kUser, 30), 0);
    EXPECT_TRUE(S().undo.empty());
    // The selection and the marker stay where they were.
    EXPECT_EQ(Selected().CurRow, 3);
    EXPECT_TRUE(form->Picture1->MarkerVisible());
}

TEST_F(PlayTest, OnlyTheSelectedCellChanges) {
    PointAt(3, 6);  // hexagon 4, side 2, touching hexagon 1, side 5
    Type("4");
    int filled = 0;
    for (int row = 1; row <= 6; ++row)
        for (int col = 1; col <= 11; ++col)
            filled += Entry(row, col).empty() ? 0 : 1;
    EXPECT_EQ(filled, 1);
    EXPECT_EQ(Entry(2, 6), "");
}

TEST_F(PlayTest, PeriodAndEscapeClearTheCellWithARecordEach) {
    PointAt(4, 7);
    Key(Qt::Key_Escape, QString(QChar(27)));  // on an empty cell: a record, nothing visible
    ASSERT_EQ(S().undo.size(), 1u);
    EXPECT_EQ(S().undo.records[0], " 4, 7,");
    Type("2");
    Type(".");
    EXPECT_EQ(Entry(4, 7), "");
    EXPECT_EQ(S().undo.records[0], " 4, 7,2");
    Click(form->cmdundo);
    EXPECT_EQ(Entry(4, 7), "2");
    Click(form->cmdundo);
    Click(form->cmdundo);
    EXPECT_EQ(Entry(4, 7), "");
    EXPECT_TRUE(S().undo.empty());
}

TEST_F(PlayTest, OtherCharacterKeysAreSwallowed) {
    PointAt(3, 6);
    Type("4");
    KeyCounter reached(form);
    Type("07a ");
    Key(Qt::Key_Backspace, QString(QChar(8)));
    Key(Qt::Key_Return, QString(QChar(13)));
    EXPECT_EQ(Entry(3, 6), "4");
    EXPECT_EQ(S().undo.size(), 1u);
    EXPECT_EQ(reached.presses, 0);
}

TEST_F(PlayTest, WithoutASelectionDigitsAreNotConsumed) {
    KeyCounter reached(form);
    Type("3");
    EXPECT_EQ(reached.presses, 1);
    EXPECT_TRUE(S().undo.empty());
}

TEST_F(PlayTest, RealKeyClicksTypeIntoTheSelectedCell) {
    PointAt(5, 4);
    QTest::keyClick(form->Picture1, Qt::Key_6);
    EXPECT_EQ(Entry(5, 4), "6");
    QTest::keyClick(form->Picture1, Qt::Key_Escape);
    EXPECT_EQ(Entry(5, 4), "");
    EXPECT_EQ(S().undo.size(), 2u);
}

TEST_F(PlayTest, ArrowKeysMoveTheSelectionOnRelease) {
    PointAt(3, 7);  // hexagon 4, side 3
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(form->Picture1, &press);
    EXPECT_EQ(Selected().CurCol, 7);
    Release(Qt::Key_Right);
    EXPECT_EQ(Selected().CurRow, 3);
    EXPECT_EQ(Selected().CurCol, 8);  // hexagon 3, side 6
    EXPECT_DOUBLE_EQ(Marker().top(), 1700 + 197.5);
    EXPECT_EQ(Status(), "Hex = 4, Cell= 3");  // movement leaves the status line alone

    Release(Qt::Key_Down);
    EXPECT_EQ(Selected().CurRow, 4);
    EXPECT_DOUBLE_EQ(Marker().top(), 2490 + 197.5);
    Type("1");
    EXPECT_EQ(Entry(4, 8), "1");
}

TEST_F(PlayTest, ArrowKeysStopAtGivenCellsAndGaps) {
    const struct {
        int row, col;
        Qt::Key key;
    } stops[] = {
        {3, 9, Qt::Key_Right},  // hexagon 3, side 5: its side 4 is given
        {2, 6, Qt::Key_Up},     // hexagon 1, side 5: its top is given
        {3, 3, Qt::Key_Left},   // hexagon 2, side 5: its side 6 is given
        {5, 8, Qt::Key_Down},   // hexagon 6, side 6: nothing below
    };
    for (const auto& stop : stops) {
        PointAt(stop.row, stop.col);
        const QRectF before = Marker();
        Release(stop.key);
        EXPECT_EQ(Selected().CurRow, stop.row) << stop.row << "," << stop.col;
        EXPECT_EQ(Selected().CurCol, stop.col) << stop.row << "," << stop.col;
        EXPECT_EQ(Marker(), before);
    }
}

TEST_F(PlayTest, HomeAndEndOnlyReplaceTheMarker) {
    PointAt(3, 6);
    Release(Qt::Key_Home);
    EXPECT_EQ(Selected().CurCol, 6);
    EXPECT_DOUBLE_EQ(Marker().top(), 1700 + 197.5);
    PointAt(4, 6);
    Release(Qt::Key_End);
    EXPECT_EQ(Selected().CurRow, 4);
    EXPECT_DOUBLE_EQ(Marker().top(), 2490 + 197.5);
}

TEST_F(PlayTest, MovementNeedsASelectionAndIgnoresRepeats) {
    Release(Qt::Key_Right);
    EXPECT_EQ(Selected().CurRow, 0);
    EXPECT_FALSE(form->Picture1->MarkerVisible());

    PointAt(3, 5);
    QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(form->Picture1, &repeat);
    EXPECT_EQ(Selected().CurCol, 5);
    Release(Qt::Key_Right);
    EXPECT_EQ(Selected().CurCol, 6);
}

TEST_F(PlayTest, RightClickOnUndoAnsweredNoForgetsTheHistoryButKeepsTheEntries) {
    PointAt(3, 6);
    Type("24");
    boxes.Queue("No");
    Click(form->cmdundo, Qt::RightButton);
    EXPECT_EQ(boxes.Prompts(), QStringList({"Reset puzzle?"}));
    EXPECT_EQ(Entry(3, 6), "4");
    EXPECT_TRUE(S().undo.empty());
    Click(form->cmdundo);
    EXPECT_EQ(Entry(3, 6), "4");
}

TEST_F(PlayTest, RightClickOnUndoAnsweredYesResetsThePuzzle) {
    PointAt(3, 6);
    Type("2");
    boxes.Queue("Yes");
    Click(form->cmdundo, Qt::RightButton);
    EXPECT_EQ(Entry(3, 6), "");
    EXPECT_TRUE(S().undo.empty());
    EXPECT_EQ(Selected().CurRow, 0);
    EXPECT_EQ(Status(), "Puzzle reset");
}

TEST_F(PlayTest, UndoOnAnEmptyHistoryDoesNothingEvenWithTheRightButton) {
    Click(form->cmdundo, Qt::RightButton);  // no question: a box would fail the test
    Click(form->cmdundo);
    EXPECT_EQ(Status(), "Ready ...");
}

// ---- Verify, show solution, reset

TEST_F(PlayTest, VerifyWithEveryCellRightSaysAllDone) {
    SolveAll();
    boxes.Queue("Ok");
    QTest::mousePress(form->cmdverify, Qt::LeftButton);
    EXPECT_EQ(Status(), "All Done ...");
    ASSERT_EQ(boxes.seen().size(), 1u);
    EXPECT_EQ(boxes.seen()[0].prompt, "All done !");
    EXPECT_EQ(boxes.seen()[0].icons, std::vector<int>({5}));  // the happy face
    EXPECT_EQ(boxes.seen()[0].buttons, QStringList({"Ok"}));
    // The box took the button's release: the button is up again all the same.
    EXPECT_EQ(form->cmdverify->BorderStyle(), 0);
    QTest::mouseRelease(form->cmdverify, Qt::LeftButton);
    EXPECT_EQ(Status(), "All Done ...");
}

TEST_F(PlayTest, VerifyWithOneWrongOrEmptyCellSaysNotDoneYet) {
    SolveAll();
    PointAt(4, 6);
    const std::string right = Entry(4, 6);
    Type(right == "1" ? "2" : "1");
    Click(form->cmdverify);
    EXPECT_EQ(Status(), "Not done yet");

    Type(".");
    PointAtTwips(2400, 60);  // a status of its own first
    Click(form->cmdverify);
    EXPECT_EQ(Status(), "Not done yet");
    EXPECT_TRUE(boxes.seen().empty());
}

TEST_F(PlayTest, VerifyReleaseDrawsTheBoardAsPlayed) {
    S().puzzle.Entry[3][6] = "5";  // changed without a drawing
    EXPECT_EQ(ColourInBox(3, 6, kUser, 30), 0);
    Click(form->cmdverify);
    EXPECT_GT(ColourInBox(3, 6, kUser, 30), 3);
}

TEST_F(PlayTest, TheSolutionShowsOnlyWhileTheButtonIsHeld) {
    PointAt(3, 6);
    Type("5");
    QTest::mousePress(form->cmdshowsol, Qt::LeftButton);
    for (int col = 5; col <= 7; ++col) {
        EXPECT_GT(ColourInBox(3, col, kFixed, 30), 3) << col;
        EXPECT_EQ(ColourInBox(3, col, kUser, 30), 0) << col;
    }
    QTest::mouseRelease(form->cmdshowsol, Qt::LeftButton);
    EXPECT_GT(ColourInBox(3, 6, kUser, 30), 3);
    EXPECT_EQ(ColourInBox(3, 5, kFixed, 30), 0);
    EXPECT_EQ(ColourInBox(3, 5, kUser, 30), 0);
}

TEST_F(PlayTest, VerifyAndShowSolutionRefuseWhileBusy) {
    SolveAll();
    form->cmdcreate->SetEnabled(false);
    const QImage before = form->Picture1->Image();
    Click(form->cmdverify);
    QTest::mousePress(form->cmdshowsol, Qt::LeftButton);
    EXPECT_EQ(form->Picture1->Image(), before);
    QTest::mouseRelease(form->cmdshowsol, Qt::LeftButton);
    EXPECT_EQ(Status(), "Hex = 6, Cell= 6");  // from the last cell pointed at
    form->mnureset->trigger();                // no question while busy
    EXPECT_EQ(form->Picture1->Image(), before);
}

TEST_F(PlayTest, ResetAnsweredYesReloadsThePuzzle) {
    PointAt(3, 6);
    Type("2");
    PointAt(4, 7);
    Type("3");
    boxes.Queue("Yes");
    form->mnureset->trigger();
    EXPECT_EQ(boxes.Prompts(), QStringList({"Reset puzzle?"}));
    EXPECT_EQ(boxes.seen()[0].buttons, QStringList({"Yes", "No"}));
    EXPECT_EQ(Entry(3, 6), "");
    EXPECT_EQ(Entry(4, 7), "");
    EXPECT_TRUE(S().undo.empty());
    EXPECT_EQ(Selected().CurRow, 0);
    EXPECT_FALSE(form->Picture1->MarkerVisible());
    EXPECT_EQ(Status(), "Puzzle reset");
    EXPECT_EQ(ColourInBox(3, 6, kUser, 30), 0);
    EXPECT_EQ(PuzzleLabel(), "p# 1 of 10");
}

TEST_F(PlayTest, ResetAnsweredNoChangesNothing) {
    PointAt(3, 6);
    Type("2");
    boxes.Queue("No");
    form->mnureset->trigger();
    EXPECT_EQ(Entry(3, 6), "2");
    EXPECT_EQ(S().undo.size(), 1u);
    EXPECT_EQ(Selected().CurRow, 3);
    EXPECT_EQ(Status(), "Hex = 4, Cell= 2");
}

TEST_F(PlayTest, ResetStillEmptiesTheEntriesWhenTheFileLostThePuzzle) {
    PointAt(3, 6);
    Type("2");
    std::filesystem::remove(WorkFile("puzzles.txt"));
    boxes.Queue("Yes");
    form->mnureset->trigger();
    EXPECT_EQ(Entry(3, 6), "");
    EXPECT_TRUE(S().undo.empty());
    EXPECT_EQ(Status(), "Puzzle reset");
    EXPECT_EQ(PuzzleLine(S().layout, S().puzzle), PuzzleLineNo(1));
}

using NoPuzzleTest = WindowTest;

TEST_F(NoPuzzleTest, VerifyAndResetDoNothingWithoutAPuzzle) {
    Start();
    Click(form->cmdverify);
    form->mnureset->trigger();
    EXPECT_EQ(Status(), "");
    EXPECT_TRUE(boxes.seen().empty());
}

}  // namespace
}  // namespace lumeta
