#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "controls/box_control.h"
#include "controls/colour_value.h"
#include "view/board_picture.h"
#include "window_fixture.h"

namespace lumeta {
namespace {

using namespace lumeta::testing;

constexpr std::string_view kDefaultConfig =
    "xp.col\r\n\r\nArial\r\n 0  10  0  255  0  128  16777215  2  0 \r\n \r\n \r\n \r\n \r\n \r\n";

// Pixels of the board picture in the hexagon border colour.
int BorderPixels(const Form1& form) {
    const QImage& image = form.Picture1->Image();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == Qt::black) ++count;
    return count;
}

using StartupTest = WindowTest;

TEST_F(StartupTest, FirstStartWithoutPuzzlesShowsAnEmptyBoardAndWritesTheDefaults) {
    Start();
    EXPECT_EQ(BorderPixels(*form), 0);
    EXPECT_EQ(PuzzleLabel(), "");
    EXPECT_EQ(FileLabel(), "");
    EXPECT_EQ(Status(), "");
    EXPECT_EQ(S().current.PuzzleFile, "");
    EXPECT_EQ(S().current.PuzzleNo, 0);
    EXPECT_FALSE(form->Busy());
    EXPECT_EQ(ReadBytes(ConfigPath()), kDefaultConfig);
    for (QAction* entry : form->mnuoldfiles)
        EXPECT_FALSE(entry->isVisible());
    // The board is built, ready for a created puzzle.
    EXPECT_EQ(S().layout.HexTotal, 7);
}

TEST_F(StartupTest, FirstStartOpensTheCollectionInTheWorkingFolder) {
    WritePuzzles("puzzles.txt", 10);
    Start();
    EXPECT_EQ(Status(), "Ready ...");
    EXPECT_EQ(PuzzleLabel(), "p# 1 of 10");
    EXPECT_EQ(FileLabel(), "puzzles.txt");
    EXPECT_EQ(S().current.PuzzleFile, "puzzles.txt");
    EXPECT_EQ(PuzzleLine(S().layout, S().puzzle), PuzzleLineNo(1));
    EXPECT_GT(BorderPixels(*form), 500);
    EXPECT_GT(ColourInBox(1, 6, RGBValue(255, 0, 0)), 3);  // a clue digit
    EXPECT_FALSE(form->Busy());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(StartupTest, ACollectionBesideTheProgramIsNotTheOneInTheWorkingFolder) {
    std::filesystem::copy_file(WritePuzzles("other.txt", 3), AppDir() + "puzzles.txt");
    Start();
    EXPECT_EQ(S().current.PuzzleFile, "");
    EXPECT_EQ(Status(), "");
}

TEST_F(StartupTest, OpensTheRememberedPuzzle) {
    const std::string file = WritePuzzles("mine.txt", 10);
    WriteConfig(file, 3);
    Start();
    EXPECT_EQ(Status(), "Ready ...");
    EXPECT_EQ(PuzzleLabel(), "p# 3 of 10");
    EXPECT_EQ(FileLabel(), "mine.txt");
    EXPECT_EQ(form->label4->toolTip().toStdString(), file);
    EXPECT_EQ(PuzzleLine(S().layout, S().puzzle), PuzzleLineNo(3));
}

TEST_F(StartupTest, ARememberedNumberBeyondTheFilesEndLoadsNothing) {
    WritePuzzles("puzzles.txt", 10);
    WriteConfig(WritePuzzles("ten.txt", 10), 12);
    Start();
    EXPECT_EQ(Status(), "");
    EXPECT_EQ(S().current.PuzzleFile, "");
    EXPECT_EQ(S().current.PuzzleNo, 0);
    EXPECT_EQ(PuzzleLabel(), "");
    EXPECT_EQ(BorderPixels(*form), 0);
    EXPECT_FALSE(form->Busy());
}

TEST_F(StartupTest, RememberedPuzzleZeroLoadsPuzzleOne) {
    WriteConfig(WritePuzzles("ten.txt", 10), 0);
    Start();
    EXPECT_EQ(PuzzleLabel(), "p# 1 of 10");
    EXPECT_EQ(S().current.PuzzleNo, 1);
}

TEST_F(StartupTest, AnEmptyRememberedFileCountsAsMissing) {
    WritePuzzles("puzzles.txt", 4);
    WritePuzzles("empty.txt", 0);
    WriteConfig(WorkFile("empty.txt"), 2);
    Start();
    EXPECT_EQ(S().current.PuzzleFile, "puzzles.txt");
    EXPECT_EQ(PuzzleLabel(), "p# 1 of 4");
    EXPECT_EQ(Status(), "Ready ...");
}

TEST_F(StartupTest, ADamagedConfigurationFallsBackToTheDefaults) {
    WritePuzzles("puzzles.txt", 4);
    std::ofstream(ConfigPath(), std::ios::binary)
        << "blue.col\r\n"
        << WritePuzzles("mine.txt", 9) << "\r\nCourier\r\n 5  9  1  2  3  4  5  1  0 \r\n";
    Start();
    EXPECT_EQ(S().current.PuzzleFile, "puzzles.txt");
    EXPECT_EQ(S().scheme.SchemeName, "xp.col");
    EXPECT_EQ(S().appearance.BoardFontName, "Arial");
    EXPECT_EQ(S().appearance.BorderWidth, 2);
    EXPECT_EQ(ReadBytes(ConfigPath()), kDefaultConfig);
}

TEST_F(StartupTest, StartsEvenWhenTheDefaultConfigurationCannotBeWritten) {
    std::filesystem::create_directory(ConfigPath());  // a folder in the file's place
    WritePuzzles("puzzles.txt", 4);
    Start();
    EXPECT_EQ(Status(), "Ready ...");
    EXPECT_EQ(PuzzleLabel(), "p# 1 of 4");
}

TEST_F(StartupTest, PutsTheRememberedLookOnTheBoard) {
    WritePuzzles("puzzles.txt", 2);
    std::ofstream(ConfigPath(), std::ios::binary)
        << "xp.col\r\n\r\nArial\r\n 0  14  255  65280  0  128  65535  3  0 \r\n \r\n \r\n \r\n "
           "\r\n \r\n";
    Start();
    EXPECT_EQ(form->Picture1->font().pointSize(), 14);
    EXPECT_EQ(form->Picture1->MarkerColour(), 255u);
    EXPECT_EQ(S().appearance.HexFillColour, 65535u);
    EXPECT_GT(ColourInBox(1, 6, RGBValue(0, 255, 0)), 3);        // clues in the fixed colour
    EXPECT_GT(ColourInBox(3, 6, RGBValue(255, 255, 0), 0), 50);  // the hexagon fill
}

TEST_F(StartupTest, ShowsTheRecentFilesOfTheConfiguration) {
    WriteConfig("", 0, {"/p/a.txt", "  ", "/p/c&d.txt"});
    Start();
    EXPECT_TRUE(form->mnuoldfiles[0]->isVisible());
    EXPECT_EQ(form->mnuoldfiles[0]->text(), "/p/a.txt");
    EXPECT_FALSE(form->mnuoldfiles[1]->isVisible());
    EXPECT_TRUE(form->mnuoldfiles[2]->isVisible());
    EXPECT_EQ(form->mnuoldfiles[2]->text(), "/p/c&&d.txt");  // "&" shown as itself
    EXPECT_FALSE(form->mnuoldfiles[3]->isVisible());
    EXPECT_FALSE(form->mnuoldfiles[4]->isVisible());
    EXPECT_TRUE(form->mnuoldfiles[5]->isVisible());
}

TEST_F(StartupTest, PlacesEveryControlAtItsPlaceInTwips) {
    Start();
    ASSERT_EQ(S().TwipsPerPixelX, 15);
    EXPECT_EQ(form->windowTitle(), "  Lumeta");
    EXPECT_EQ(form->centralWidget()->size(), QSize(344, 390));
    const std::vector<std::pair<const char*, QRect>> places = {
        {"cmdload", QRect(2, 4, 21, 22)},       {"label4", QRect(25, 4, 136, 22)},
        {"Label1", QRect(159, 4, 98, 22)},      {"cmdarrow0", QRect(259, 4, 21, 22)},
        {"cmdarrow1", QRect(280, 4, 21, 22)},   {"cmdarrow2", QRect(301, 4, 21, 22)},
        {"cmdcreate", QRect(322, 4, 21, 22)},   {"Picture1", QRect(2, 28, 339, 335)},
        {"cmdshowsol", QRect(2, 366, 21, 22)},  {"Statx", QRect(25, 366, 274, 22)},
        {"cmdverify", QRect(301, 366, 21, 22)}, {"cmdundo", QRect(322, 366, 21, 22)},
    };
    for (const auto& [name, rect] : places) {
        QWidget* control = form->centralWidget()->findChild<QWidget*>(QLatin1String(name));
        ASSERT_NE(control, nullptr) << name;
        EXPECT_EQ(control->geometry(), rect) << name;
    }
}

TEST_F(StartupTest, GivesTheControlsTheirFontsTooltipsAndPictures) {
    Start();
    EXPECT_EQ(form->font().family(), "Arial");
    EXPECT_DOUBLE_EQ(form->font().pointSizeF(), 8.25);
    for (QLabel* label : {form->Label1, form->label4}) {
        EXPECT_EQ(label->font().family(), "Arial Narrow");
        EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 8.25);
    }
    // On Debian the Liberation fonts stand in for them, the narrow one narrower.
    EXPECT_LT(QFontMetrics(form->Label1->font()).horizontalAdvance("p# 100 of 1200"),
              QFontMetrics(form->font()).horizontalAdvance("p# 100 of 1200"));

    EXPECT_EQ(form->cmdload->toolTip(), "Load a puzzle file");
    EXPECT_EQ(form->cmdarrow[0]->toolTip(), "Previous puzzle; rightclick for first");
    EXPECT_EQ(form->cmdarrow[1]->toolTip(), "Random puzzle");
    EXPECT_EQ(form->cmdarrow[2]->toolTip(), "Next puzzle; rightclick for last");
    EXPECT_EQ(form->cmdcreate->toolTip(), "Create a new puzzle");
    EXPECT_EQ(form->cmdverify->toolTip(), "Verify solution");
    EXPECT_EQ(form->cmdverify->Caption(), "!");
    EXPECT_EQ(form->cmdshowsol->toolTip(), "Show Solution");
    EXPECT_EQ(form->cmdundo->toolTip(), "Undo user entry, rightclick to reset");
    for (BoxControl* button : {form->cmdload, form->cmdarrow[0], form->cmdarrow[1],
                               form->cmdarrow[2], form->cmdcreate, form->cmdshowsol, form->cmdundo})
        EXPECT_EQ(button->Picture().deviceIndependentSize(), QSizeF(16, 16))
            << button->objectName().toStdString();
    EXPECT_TRUE(form->cmdverify->Picture().isNull());
    // The buttons carry the system's button face until a colour scheme is applied.
    EXPECT_EQ(form->cmdcreate->BackColor(), kSystemColourBit | 15u);
}

// The texts of a menu's entries in order, "-" for a separator, "(off)" after a disabled
// entry and "[...]" round a hidden one.
QStringList Entries(const QMenu* menu) {
    QStringList entries;
    for (QAction* action : menu->actions()) {
        QString text = action->isSeparator() ? QStringLiteral("-") : action->text();
        if (!action->isVisible())
            text = QStringLiteral("[%1]").arg(text);
        else if (!action->isEnabled())
            text += QStringLiteral(" (off)");
        entries << text;
    }
    return entries;
}

TEST_F(StartupTest, HasTheFileAndPuzzleMenusInOrder) {
    WriteConfig("", 0, {"/p/a.txt"});
    Start();
    const QList<QAction*> menus = form->menuBar()->actions();
    ASSERT_EQ(menus.size(), 2);
    EXPECT_EQ(menus[0]->text(), "File");
    EXPECT_EQ(menus[1]->text(), "Puzzle");
    EXPECT_EQ(Entries(menus[0]->menu()),
              QStringList({"Load Puzzle file", "-", "Edit Options (off)", "Save Options", "-",
                           "Print Puzzle File (off)", "-", "/p/a.txt", "[]", "[]", "[]", "[]", "-",
                           "Help (off)", "About (off)", "Exit", "-", "Cancel"}));
    EXPECT_EQ(Entries(menus[1]->menu()),
              QStringList({"Create", "Save", "Reset", "-", "Copy to Clipboard", "Print (off)", "-",
                           "Cancel"}));
    EXPECT_EQ(Entries(form->findChild<QMenu*>("mnuclipboard")),
              QStringList({"Puzzle (off)", "Solution (off)", "-", "Cancel"}));
    EXPECT_TRUE(form->cmdload->isEnabled());

    EXPECT_EQ(form->mnuloadpuzfile->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_EQ(form->mnusave->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(form->mnucreate->shortcut(), QKeySequence("Ctrl+N"));
    EXPECT_EQ(form->mnuprint1->shortcut(), QKeySequence("Ctrl+P"));
    EXPECT_EQ(form->mnuhelp->shortcut(), QKeySequence("F1"));
    EXPECT_EQ(form->cmdexitx->shortcut(), QKeySequence("Ctrl+Q"));
}

using ShutdownTest = WindowTest;

TEST_F(ShutdownTest, ExitAnsweredNoClosesNothingAndSavesNothing) {
    WritePuzzles("puzzles.txt", 5);
    Start();
    form->Navigate(2, 1);
    boxes.Queue("No");
    form->cmdexitx->trigger();
    ASSERT_EQ(boxes.Prompts(), QStringList({"Exit?"}));
    EXPECT_EQ(boxes.seen()[0].buttons, QStringList({"Yes", "No"}));
    EXPECT_EQ(boxes.seen()[0].icons, std::vector<int>({0}));  // the question mark
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(ReadBytes(ConfigPath()), kDefaultConfig);
}

TEST_F(ShutdownTest, ExitAnsweredYesSavesTheConfigurationAndCloses) {
    WritePuzzles("puzzles.txt", 5);
    WriteConfig("", 0, {"/p/a.txt", "", "/p/c.txt"});
    Start();
    form->Navigate(2, 1);
    boxes.Queue("Yes");
    form->cmdexitx->trigger();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(ReadBytes(ConfigPath()),
              "xp.col\r\npuzzles.txt\r\nArial\r\n 2  10  0  255  0  128  16777215  2  0 \r\n"
              "/p/a.txt\r\n\r\n/p/c.txt\r\n\r\n\r\n");
}

TEST_F(ShutdownTest, ClosingTheWindowEndsWithoutQuestionAndWithoutSaving) {
    WritePuzzles("puzzles.txt", 5);
    Start();
    form->Navigate(2, 1);
    EXPECT_TRUE(form->close());
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(boxes.seen().empty());
    EXPECT_EQ(ReadBytes(ConfigPath()), kDefaultConfig);
}

TEST_F(ShutdownTest, TheExitShortcutAsksTheSameQuestion) {
    Start();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    boxes.Queue("No");
    QTest::keyClick(form, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(boxes.Prompts(), QStringList({"Exit?"}));
    EXPECT_TRUE(form->isVisible());
}

TEST_F(ShutdownTest, SaveOptionsWritesTheCurrentSettings) {
    WritePuzzles("puzzles.txt", 5);
    Start();
    form->Navigate(0, 1);
    form->mnusaveopts->trigger();
    EXPECT_EQ(ReadBytes(ConfigPath()),
              "xp.col\r\npuzzles.txt\r\nArial\r\n 5  10  0  255  0  128  16777215  2  0 \r\n"
              "\r\n\r\n\r\n\r\n\r\n");
    EXPECT_TRUE(boxes.seen().empty());
}

TEST_F(ShutdownTest, AFailedSaveNamesTheFileAndChangesNothing) {
    Start();
    std::filesystem::remove(ConfigPath());
    std::filesystem::create_directory(ConfigPath());  // the file cannot be written
    boxes.Queue("Ok");
    EXPECT_FALSE(form->SaveOptions());
    ASSERT_EQ(boxes.seen().size(), 1u);
    EXPECT_EQ(
        boxes.seen()[0].prompt.toStdString(),
        "Configuration file:\n" + ConfigPath() + "\ncould not be accessed, options not saved");
    EXPECT_EQ(boxes.seen()[0].icons, std::vector<int>({4}));  // critical
    EXPECT_TRUE(std::filesystem::is_directory(ConfigPath()));
    EXPECT_TRUE(form->isVisible());
}

}  // namespace
}  // namespace lumeta
