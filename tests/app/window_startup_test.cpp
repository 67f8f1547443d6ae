#include <functional>

#include "window_fixture.h"

namespace lumeta {
namespace {

using namespace lumeta::testing;

const std::string kDefaultConfig =
    "xp.col\r\n\r\nArial\r\n 0  10  0  255  0  128  16777215  2  0 \r\n \r\n \r\n \r\n \r\n \r\n";

using StartupTest = WindowTest;

TEST_F(StartupTest, FirstStartWithoutPuzzlesShowsAnEmptyBoardAndWritesTheDefaults) {
    fs::copy_file(WritePuzzles("other.txt", 3), AppDir() + "puzzles.txt");  // not the one
    Start();
    QImage blank = form->Picture1->Image();
    blank.fill(blank.pixel(0, 0));
    EXPECT_EQ(form->Picture1->Image(), blank);
    EXPECT_EQ(PuzzleLabel() + FileLabel() + Status(), "");
    EXPECT_EQ(S().current.PuzzleFile, "");
    EXPECT_EQ(S().layout.HexTotal, 7);  // built, ready for a created puzzle
    EXPECT_EQ(ReadBytes(ConfigPath()), kDefaultConfig);
    for (QAction* entry : form->mnuoldfiles)
        EXPECT_FALSE(entry->isVisible());

    // The puzzle commands do nothing, and saving says why.
    Click(form->cmdverify);
    Click(form->cmdarrow[2]);
    form->mnureset->trigger();
    answers << "Ok";
    form->mnusave->trigger();
    EXPECT_EQ(texts, QStringList{"There is no puzzle to save"});
    EXPECT_EQ(Status(), "");
}

TEST_F(StartupTest, OpensTheRememberedPuzzleElseTheCollectionInTheWorkingFolder) {
    WritePuzzles("puzzles.txt", 4);
    const std::string ten = WritePuzzles("ten.txt", 10);
    const struct {
        std::function<void()> configure;
        std::string file;
        int no, count;
    } cases[] = {
        {[] {}, "puzzles.txt", 1, 4},  // a first start
        {[&] { WriteConfig(ten, 3); }, ten, 3, 10},
        {[&] { WriteConfig(ten, 0); }, ten, 1, 10},
        {[&] { WriteConfig(ten, 12); }, "", 0, 0},  // beyond the end: nothing at all
        {[&] { WriteConfig(WritePuzzles("empty.txt", 0), 2); }, "puzzles.txt", 1, 4},
        {[&] { std::ofstream(ConfigPath()) << "a.col\r\n" + ten + "\r\nCourier\r\n 5\r\n"; },
         "puzzles.txt", 1, 4},  // damaged: the defaults
        {[&] { fs::remove(ConfigPath()), fs::create_directory(ConfigPath()); },  // unwritable
         "puzzles.txt", 1, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file + " " + std::to_string(c.no));
        c.configure();
        Start();
        EXPECT_EQ(S().current.PuzzleFile, c.file);
        EXPECT_EQ(Status(), c.no ? "Ready ..." : "");
        EXPECT_EQ(PuzzleLabel(), c.no ? QString("p# %1 of %2").arg(c.no).arg(c.count) : "");
        EXPECT_FALSE(form->Busy());
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        if (!c.no) continue;
        EXPECT_EQ(FileLabel(), Q(fs::path(c.file).filename().string()));
        EXPECT_EQ(form->label4->toolTip(), Q(c.file));
        EXPECT_EQ(OnBoard(), PuzzleLineNo(c.no));
        EXPECT_GT(ColourInBox(1, 6, Qt::red), 3);  // a clue digit drawn
    }
}

TEST_F(StartupTest, PlacesEveryControlWithItsTooltipFontAndPicture) {
    Start();
    ASSERT_EQ(S().TwipsPerPixelX, 15);
    EXPECT_EQ(form->windowTitle(), "  Lumeta");
    EXPECT_EQ(form->centralWidget()->size(), QSize(344, 390));
    const struct {
        const char* name;
        QRect place;
        const char* tooltip;
    } controls[] = {
        {"cmdload", {2, 4, 21, 22}, "Load a puzzle file"},
        {"label4", {25, 4, 136, 22}, ""},
        {"Label1", {159, 4, 98, 22}, ""},
        {"cmdarrow0", {259, 4, 21, 22}, "Previous puzzle; rightclick for first"},
        {"cmdarrow1", {280, 4, 21, 22}, "Random puzzle"},
        {"cmdarrow2", {301, 4, 21, 22}, "Next puzzle; rightclick for last"},
        {"cmdcreate", {322, 4, 21, 22}, "Create a new puzzle"},
        {"Picture1", {2, 28, 339, 335}, ""},
        {"cmdshowsol", {2, 366, 21, 22}, "Show Solution"},
        {"Statx", {25, 366, 274, 22}, ""},
        {"cmdverify", {301, 366, 21, 22}, "Verify solution"},
        {"cmdundo", {322, 366, 21, 22}, "Undo user entry, rightclick to reset"},
    };
    std::vector<QImage> pictures;
    for (const auto& c : controls) {
        QWidget* control = form->centralWidget()->findChild<QWidget*>(c.name);
        ASSERT_NE(control, nullptr) << c.name;
        EXPECT_EQ(control->geometry(), c.place) << c.name;
        EXPECT_EQ(control->toolTip(), c.tooltip) << c.name;
        if (auto* button = qobject_cast<BoxControl*>(control);
            button && button != form->cmdverify) {
            const QImage picture = button->Picture().toImage();  // each its own
            EXPECT_EQ(picture.deviceIndependentSize(), QSizeF(16, 16)) << c.name;
            EXPECT_EQ(std::count(pictures.begin(), pictures.end(), picture), 0) << c.name;
            pictures.push_back(picture);
        }
    }
    EXPECT_EQ(form->cmdverify->Caption(), "!");
    EXPECT_EQ(form->cmdcreate->BackColor(), kSystemColourBit | 15u);  // the button face
    EXPECT_EQ(form->font().family() + form->Label1->font().family() + form->label4->font().family(),
              "ArialArial NarrowArial Narrow");
    for (const QFont& font : {form->font(), form->Label1->font(), form->label4->font()})
        EXPECT_DOUBLE_EQ(font.pointSizeF(), 8.25);
    // The Liberation fonts stand in for them, the narrow one narrower.
    EXPECT_LT(QFontMetrics(form->Label1->font()).horizontalAdvance("p# 100 of 1200"),
              QFontMetrics(form->font()).horizontalAdvance("p# 100 of 1200"));
}

// A menu's entries: "-" a separator, "(off)" after a disabled entry, "[...]" round a hidden one.
QStringList Entries(const QMenu* menu) {
    QStringList entries;
    for (QAction* action : menu->actions()) {
        const QString text = action->isSeparator() ? "-" : action->text();
        entries << (!action->isVisible()  ? "[" + text + "]"
                    : action->isEnabled() ? text
                                          : text + " (off)");
    }
    return entries;
}

TEST_F(StartupTest, HasTheFileAndPuzzleMenusWithTheRecentFilesOfTheConfiguration) {
    WriteConfig("", 0, {"/p/a.txt", "  ", "/p/c&d.txt"});
    Start();
    const QList<QAction*> menus = form->menuBar()->actions();
    ASSERT_EQ(menus.size(), 2);
    EXPECT_EQ(menus[0]->text() + menus[1]->text(), "FilePuzzle");
    EXPECT_EQ(Entries(menus[0]->menu()),
              QStringList({"Load Puzzle file", "-", "Edit Options (off)", "Save Options", "-",
                           "Print Puzzle File (off)", "-", "/p/a.txt", "[]", "/p/c&&d.txt", "[]",
                           "[]", "-", "Help (off)", "About (off)", "Exit", "-", "Cancel"}));
    EXPECT_EQ(Entries(menus[1]->menu()),
              QStringList({"Create", "Save", "Reset", "-", "Copy to Clipboard", "Print (off)", "-",
                           "Cancel"}));
    EXPECT_EQ(Entries(form->findChild<QMenu*>("mnuclipboard")),
              QStringList({"Puzzle (off)", "Solution (off)", "-", "Cancel"}));
    const std::pair<QAction*, const char*> shortcuts[] = {
        {form->mnuloadpuzfile, "Ctrl+O"}, {form->mnusave, "Ctrl+S"}, {form->mnucreate, "Ctrl+N"},
        {form->mnuprint1, "Ctrl+P"},      {form->mnuhelp, "F1"},     {form->cmdexitx, "Ctrl+Q"}};
    for (const auto& [entry, keys] : shortcuts)
        EXPECT_EQ(entry->shortcut(), QKeySequence(keys)) << keys;
}

TEST_F(StartupTest, ExitAnsweredNoAndTheCloseButtonBothEndWithoutSaving) {
    WritePuzzles("puzzles.txt", 5);
    Start();
    form->Navigate(2, 1);
    answers << "No";
    Shortcut(Qt::Key_Q);
    ASSERT_EQ(texts, QStringList({"Exit?"}));
    EXPECT_EQ(boxes[0].buttons, QStringList({"Yes", "No"}));
    EXPECT_EQ(boxes[0].icons, std::vector<int>({0}));  // the question mark
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->close());  // no question
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(ReadBytes(ConfigPath()), kDefaultConfig);
}

TEST_F(StartupTest, TheRememberedLookAndRecentFilesGoOnTheBoardAndBackIntoTheFile) {
    WritePuzzles("puzzles.txt", 5);
    const std::string kept =
        " 14  255  65280  0  128  65535  3  0 \r\n/p/a\r\n\r\n/p/c\r\n\r\n\r\n";
    std::ofstream(ConfigPath()) << "xp.col\r\npuzzles.txt\r\nArial\r\n 1 " << kept;
    Start();
    EXPECT_EQ(form->Picture1->font().pointSize(), 14);
    EXPECT_EQ(form->Picture1->MarkerColour(), 255u);
    EXPECT_GT(ColourInBox(1, 6, Qt::green), 3);       // clues in the fixed colour
    EXPECT_GT(ColourInBox(3, 6, Qt::yellow, 0), 50);  // the hexagon fill
    form->Navigate(2, 1);
    form->mnusaveopts->trigger();
    EXPECT_EQ(ReadBytes(ConfigPath()), "xp.col\r\npuzzles.txt\r\nArial\r\n 2 " + kept);

    fs::remove(ConfigPath());
    fs::create_directory(ConfigPath());
    answers << QStringList{"Ok", "Yes", "Ok"};
    form->mnusaveopts->trigger();
    form->cmdexitx->trigger();  // saves too
    const QString failed =
        Q("Configuration file:\n" + ConfigPath() + "\ncould not be accessed, options not saved");
    EXPECT_EQ(texts, QStringList({failed, "Exit?", failed}));
    EXPECT_EQ(boxes[0].icons, std::vector<int>({4}));  // critical
    EXPECT_FALSE(form->isVisible());
}

}  // namespace
}  // namespace lumeta
