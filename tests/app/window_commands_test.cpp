#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include "controls/box_control.h"
#include "view/board_picture.h"
#include "window_fixture.h"

namespace lumeta {
namespace {

using namespace lumeta::testing;

constexpr Qt::MouseButton kLeft = Qt::LeftButton;
constexpr Qt::MouseButton kRight = Qt::RightButton;

// ---- Navigation

class NavigationTest : public WindowTest {
  protected:
    void StartOn(int count, int puzzleNo) {
        WriteConfig(WritePuzzles("file.txt", count), puzzleNo);
        Start(11);
    }
    void Arrow(int index, Qt::MouseButton button = kLeft) { Click(form->cmdarrow[index], button); }
    std::string OnBoard() const { return PuzzleLine(form->State().layout, form->State().puzzle); }
};

TEST_F(NavigationTest, PreviousFromTheFirstWrapsToTheLast) {
    StartOn(10, 1);
    Arrow(0);
    EXPECT_EQ(PuzzleLabel(), "p# 10 of 10");
    EXPECT_EQ(Status(), "Puzzle read");
    EXPECT_EQ(OnBoard(), PuzzleLineNo(10));
    Arrow(0);
    EXPECT_EQ(PuzzleLabel(), "p# 9 of 10");
}

TEST_F(NavigationTest, NextFromTheLastWrapsToTheFirst) {
    StartOn(10, 10);
    Arrow(2);
    EXPECT_EQ(PuzzleLabel(), "p# 1 of 10");
    EXPECT_EQ(OnBoard(), PuzzleLineNo(1));
}

TEST_F(NavigationTest, RightClickGoesToTheFirstOrTheLast) {
    StartOn(10, 5);
    Arrow(2, kRight);
    EXPECT_EQ(PuzzleNumbers(), "10 of 10");
    Arrow(0, kRight);
    EXPECT_EQ(PuzzleNumbers(), "1 of 10");
}

TEST_F(NavigationTest, RandomPicksThroughTheProgramsRandomSource) {
    StartOn(10, 5);
    RandomSource same = RandomSource::Fixed(11);
    for (int i = 0; i < 6; ++i) {
        Arrow(1, i % 2 ? kRight : kLeft);
        EXPECT_EQ(S().current.PuzzleNo, same.Draw(10));
        EXPECT_EQ(OnBoard(), PuzzleLineNo(S().current.PuzzleNo));
        EXPECT_EQ(Status(), "Puzzle read");
    }
}

TEST_F(NavigationTest, AOnePuzzleFileIsNeverReloaded) {
    StartOn(1, 1);
    PointAt(3, 6);
    QTest::keyClick(form->Picture1, Qt::Key_4);
    for (int index = 0; index < 3; ++index) {
        Arrow(index);
        Arrow(index, kRight);
    }
    EXPECT_EQ(Status(), "Hex = 4, Cell= 2");
    EXPECT_EQ(Entry(3, 6), "4");
    EXPECT_EQ(PuzzleLabel(), "p# 1 of 1");
}

TEST_F(NavigationTest, TwoPuzzlesAlternate) {
    StartOn(2, 1);
    Arrow(2);
    EXPECT_EQ(PuzzleNumbers(), "2 of 2");
    Arrow(2);
    EXPECT_EQ(PuzzleNumbers(), "1 of 2");
    Arrow(0);
    EXPECT_EQ(PuzzleNumbers(), "2 of 2");
}

TEST_F(NavigationTest, CountsTheFileAfreshBeforeEveryMove) {
    StartOn(3, 3);
    std::ofstream(WorkFile("file.txt"), std::ios::binary | std::ios::app)
        << PuzzleLineNo(4) << "\r\n";
    Arrow(2);
    EXPECT_EQ(PuzzleLabel(), "p# 4 of 4");
    EXPECT_EQ(OnBoard(), PuzzleLineNo(4));
}

TEST_F(NavigationTest, LoadingEmptiesEntriesSelectionAndHistory) {
    StartOn(5, 2);
    PointAt(3, 6);
    QTest::keyClick(form->Picture1, Qt::Key_4);
    Arrow(2);
    EXPECT_EQ(Entry(3, 6), "");
    EXPECT_EQ(S().selection.CurRow, 0);
    EXPECT_TRUE(S().undo.empty());
    EXPECT_FALSE(form->Picture1->MarkerVisible());
}

TEST_F(NavigationTest, AnEmptiedFileSaysSoAndLeavesTheBoard) {
    StartOn(5, 2);
    std::ofstream(WorkFile("file.txt"), std::ios::binary | std::ios::trunc);
    boxes.Queue("Ok");
    Arrow(2);
    EXPECT_EQ(boxes.Prompts(), QStringList({QString::fromStdString(WorkFile("file.txt")) +
                                            " does not appear to have any puzzles"}));
    EXPECT_EQ(Status(), "Puzzle read");
    EXPECT_EQ(OnBoard(), PuzzleLineNo(2));
    EXPECT_EQ(PuzzleLabel(), "p# 2 of 5");
}

TEST_F(NavigationTest, DoesNothingWithoutAFileOrWhileBusy) {
    Start();
    Arrow(2);
    EXPECT_EQ(Status(), "");

    form->close();
    StartOn(5, 2);
    form->cmdcreate->SetEnabled(false);
    Arrow(2);
    EXPECT_EQ(PuzzleNumbers(), "2 of 5");
    EXPECT_EQ(Status(), "Ready ...");
}

// ---- Recent files

class RecentFileTest : public WindowTest {};

TEST_F(RecentFileTest, OpensPuzzleOneOfTheFile) {
    const std::string other = WritePuzzles("other.txt", 7);
    WriteConfig(WritePuzzles("file.txt", 5), 3, {other});
    Start();
    form->mnuoldfiles[0]->trigger();
    EXPECT_EQ(PuzzleLabel(), "p# 1 of 7");
    EXPECT_EQ(FileLabel(), "other.txt");
    EXPECT_EQ(Status(), "Puzzle file read");
    EXPECT_EQ(S().current.PuzzleFile, other);
    EXPECT_EQ(form->mnuoldfiles[0]->text().toStdString(), other);
}

TEST_F(RecentFileTest, AMissingFileIsReportedAndStaysListed) {
    WriteConfig(WritePuzzles("file.txt", 5), 3, {"/nowhere/gone.txt"});
    Start();
    boxes.Queue("Ok");
    form->mnuoldfiles[0]->trigger();
    ASSERT_EQ(boxes.seen().size(), 1u);
    EXPECT_EQ(boxes.seen()[0].prompt, "File does not exist:\n/nowhere/gone.txt");
    EXPECT_EQ(PuzzleLabel(), "p# 3 of 5");
    EXPECT_TRUE(form->mnuoldfiles[0]->isVisible());
}

TEST_F(RecentFileTest, WhileBusyAsksToCancelTheCreationFirst) {
    WriteConfig("", 0, {WritePuzzles("file.txt", 5)});
    Start();
    form->cmdcreate->SetEnabled(false);
    boxes.Queue("Ok");
    form->mnuoldfiles[0]->trigger();
    EXPECT_EQ(boxes.Prompts(), QStringList({"Cancel puzzle creation"}));
    EXPECT_EQ(S().current.PuzzleFile, "");
}

// ---- Create

// True when every hexagon holds 1..6 once and every touching pair adds up to 7.
bool IsSolvedBoard(const BoardLayout& layout, const PuzzleState& puzzle) {
    const auto digit = [&](int cell) {
        const std::string& text = puzzle.Solution[layout.CellRow[cell]][layout.CellCol[cell]];
        return text.size() == 1 ? text[0] - '0' : 0;
    };
    for (int h = 1; h <= layout.HexTotal; ++h) {
        int seen = 0;
        for (int s = 1; s <= 6; ++s) {
            const int d = digit(layout.HexCell[h][s]);
            if (d < 1 || d > 6) return false;
            seen |= 1 << d;
            if (layout.TouchCell[h][s] != 0 && d + digit(layout.TouchCell[h][s]) != 7) return false;
        }
        if (seen != 0x7e) return false;
    }
    return true;
}

class CreateTest : public WindowTest {
  protected:
    void ExpectCreated() {
        EXPECT_TRUE(IsSolvedBoard(S().layout, S().puzzle));
        EXPECT_EQ(PuzzleLabel(), "p# 1 of 1");
        EXPECT_EQ(FileLabel(), "tempcellnetpuzzle.txt");
        EXPECT_EQ(Status(), "Puzzle created ...");
        EXPECT_EQ(S().current.PuzzleFile, "tempcellnetpuzzle.txt");
        EXPECT_EQ(S().current.PuzzleNo, 1);
        EXPECT_EQ(S().current.PuzzleCount, 1);
        EXPECT_EQ(ReadBytes(WorkFile("tempcellnetpuzzle.txt")),
                  PuzzleLine(S().layout, S().puzzle) + "\r\n");
        EXPECT_FALSE(form->Busy());
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_GT(ColourInBox(1, 6, RGBValue(255, 0, 0)), 3);  // the new clue drawn
    }
};

TEST_F(CreateTest, TheCreateButtonMakesAndLoadsANewPuzzle) {
    WritePuzzles("puzzles.txt", 3);
    Start();
    PointAt(3, 6);
    QTest::keyClick(form->Picture1, Qt::Key_4);
    Click(form->cmdcreate, kRight);  // any button
    ExpectCreated();
    EXPECT_EQ(Entry(3, 6), "");
    EXPECT_TRUE(S().undo.empty());
    EXPECT_EQ(S().selection.CurRow, 0);
    EXPECT_EQ(S().layout.HexTotal, 7);
}

TEST_F(CreateTest, TheMenuEntryAndItsShortcutRunTheSameCommand) {
    Start();
    form->mnucreate->trigger();
    ExpectCreated();
    const std::string first = PuzzleLine(S().layout, S().puzzle);

    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    QTest::keyClick(form, Qt::Key_N, Qt::ControlModifier);
    ExpectCreated();
    EXPECT_NE(PuzzleLine(S().layout, S().puzzle), first);
}

TEST_F(CreateTest, ACreatedPuzzleIsResetFromItsFileAndNeverNavigated) {
    Start();
    form->mnucreate->trigger();
    const std::string created = PuzzleLine(S().layout, S().puzzle);
    PointAt(3, 6);
    QTest::keyClick(form->Picture1, Qt::Key_4);
    boxes.Queue("Yes");
    form->mnureset->trigger();
    EXPECT_EQ(Entry(3, 6), "");
    EXPECT_EQ(PuzzleLine(S().layout, S().puzzle), created);
    Click(form->cmdarrow[2]);
    EXPECT_EQ(Status(), "Puzzle reset");
}

TEST_F(CreateTest, WhileItRunsTheBusyCommandsDoNothing) {
    WritePuzzles("puzzles.txt", 3);
    Start();
    PointAt(4, 7);
    bool checked = false;
    // Runs in the first event pump of the creation.
    QTimer::singleShot(0, form, [&] {
        checked = true;
        EXPECT_TRUE(form->Busy());
        EXPECT_EQ(Status(), "Creating a puzzle ...");
        EXPECT_FALSE(form->Picture1->MarkerVisible());
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::BusyCursor);
        // A cell selected before still takes digits; the pointer clears the selection.
        QTest::keyClick(form->Picture1, Qt::Key_3);
        EXPECT_EQ(Entry(4, 7), "3");
        PointAt(3, 6);
        EXPECT_EQ(S().selection.CurRow, 0);
        EXPECT_EQ(Status(), "Creating a puzzle ...");
        // Navigation, verify, show solution, reset and a second creation are refused.
        form->Navigate(2, 1);
        form->mnucreate->trigger();
        form->mnureset->trigger();
        Click(form->cmdverify);
        QTest::mousePress(form->cmdshowsol, Qt::LeftButton);
        QTest::mouseRelease(form->cmdshowsol, Qt::LeftButton);
        EXPECT_EQ(Status(), "Creating a puzzle ...");
        EXPECT_EQ(S().current.PuzzleFile, "puzzles.txt");
    });
    Click(form->cmdcreate);
    EXPECT_TRUE(checked);
    ExpectCreated();
    EXPECT_EQ(Entry(4, 7), "");
    EXPECT_TRUE(boxes.seen().empty());
}

TEST_F(CreateTest, AFileThatCannotBeWrittenLeavesTheNewPuzzleUnsavedOnTheBoard) {
    WritePuzzles("puzzles.txt", 3);
    std::filesystem::create_directory(WorkFile("tempcellnetpuzzle.txt"));
    Start();
    PointAt(3, 6);
    QTest::keyClick(form->Picture1, Qt::Key_4);
    boxes.Queue("Ok");
    form->mnucreate->trigger();
    ASSERT_EQ(boxes.seen().size(), 1u);
    EXPECT_EQ(boxes.seen()[0].prompt.toStdString(),
              "Puzzle file:\n" + WorkFile("tempcellnetpuzzle.txt") + "\ncould not be written");
    EXPECT_TRUE(IsSolvedBoard(S().layout, S().puzzle));
    EXPECT_EQ(Entry(3, 6), "");
    EXPECT_EQ(S().current.PuzzleFile, "");
    EXPECT_EQ(PuzzleLabel(), "");
    EXPECT_EQ(FileLabel(), "");
    EXPECT_EQ(Status(), "Puzzle created ...");
    EXPECT_FALSE(form->Busy());
    // Nothing can load an older puzzle over it.
    form->mnureset->trigger();
    Click(form->cmdarrow[2]);
    EXPECT_TRUE(IsSolvedBoard(S().layout, S().puzzle));
}

}  // namespace
}  // namespace lumeta
