#include <functional>

#include "window_fixture.h"

namespace lumeta {
namespace {

using namespace lumeta::testing;

using StartupTest = WindowTest;

TEST_F(StartupTest, OpensTheRememberedPuzzleElseTheCollectionInTheWorkingFolderElseNone) {
    const std::string ten = WritePuzzles("ten.txt", 10);
    fs::copy_file(ten, AppDir() + "puzzles.txt");  // beside the program: not the collection
    const std::tuple<std::function<void()>, std::string, int, int> cases[] = {
        {[] {}, "", 0, 0},  // a first start without a collection
        {[&] { WritePuzzles("puzzles.txt", 4); }, "puzzles.txt", 1, 4},
        {[&] { WriteConfig(ten, 3); }, ten, 3, 10},
        {[&] { WriteConfig(ten, 0); }, ten, 1, 10},
        {[&] { WriteConfig(ten, 12); }, "", 0, 0},  // beyond the end: nothing at all
        {[&] { WriteConfig(WritePuzzles("empty.txt", 0), 2); }, "puzzles.txt", 1, 4},
        {[&] { fs::remove(ConfigPath()), fs::create_directory(ConfigPath()); },  // unwritable
         "puzzles.txt", 1, 4},
    };
    for (const auto& [configure, file, no, count] : cases) {
        SCOPED_TRACE(file + " " + std::to_string(no));
        configure();
        Start();
        EXPECT_EQ(S().current.PuzzleFile, file);
        EXPECT_EQ(Shown(), no ? QString("Ready ... | p# %1 of %2 | ").arg(no).arg(count) +
                                    Q(fs::path(file).filename().string())
                              : " |  | ");
        if (no) {
            EXPECT_EQ(OnBoard(), PuzzleLineNo(no));
            EXPECT_GT(ColourInBox(1, 6, Qt::red), 3);  // a clue digit drawn
            continue;
        }
        QImage blank = form->Picture1->Image();
        blank.fill(blank.pixel(0, 0));
        EXPECT_EQ(form->Picture1->Image(), blank);
        Click(form->cmdverify);  // the puzzle commands do nothing, and saving says why
        Click(form->cmdarrow[2]);
        form->mnureset->trigger();
        answers << "Ok";
        form->mnusave->trigger();
        EXPECT_EQ(texts.last(), "There is no puzzle to save");
        EXPECT_EQ(Status(), "");
    }
}

TEST_F(StartupTest, TheRememberedLookGoesOnTheBoardAndOnlySaveOptionsAndExitWriteTheFile) {
    WritePuzzles("puzzles.txt", 5);
    // Any line end; numbers apart by blanks, commas or line ends (a system colour negative);
    // a blank line hides its entry.
    std::ofstream(ConfigPath())
        << "xp.col\rpuzzles.txt\nArial\r\n 1,14 255\n\t65280 , -2147483643  128"
           "  65535  3  0 \r/p/a\r\n  \n/p/c\r\r\n\n";
    // The unset button colour is saved as the scheme's button face, RGB(208, 218, 236).
    const std::string kept =
        "xp.col\r\npuzzles.txt\r\nArial\r\n 2  14  255  65280 -2147483643  128  65535  3 "
        " 15522512 \r\n/p/a\r\n\r\n/p/c\r\n\r\n\r\n";
    Start();
    EXPECT_EQ(form->Picture1->font().pointSize(), 14);
    EXPECT_GT(ColourInBox(1, 6, Qt::green), 3);       // clues in the fixed colour
    EXPECT_GT(ColourInBox(3, 6, Qt::yellow, 0), 50);  // the hexagon fill
    form->Navigate(2, 1);
    form->mnusaveopts->trigger();
    EXPECT_EQ(ReadBytes(ConfigPath()), kept);

    form->Navigate(2, 1);  // neither a declined Exit nor the close button saves puzzle 3
    answers << "No";
    Shortcut(Qt::Key_Q);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->close());  // no question
    EXPECT_EQ(ReadBytes(ConfigPath()), kept);

    Start();
    fs::remove(ConfigPath());
    fs::create_directory(ConfigPath());
    answers << QStringList{"Ok", "Yes", "Ok"};
    form->mnusaveopts->trigger();
    form->cmdexitx->trigger();  // saves too
    const QString failed =
        Q("Configuration file:\n" + ConfigPath() + "\ncould not be accessed, options not saved");
    EXPECT_EQ(texts, QStringList({"Exit?", failed, "Exit?", failed}));
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(std::distance(fs::directory_iterator(AppDir()), {}), 2);  // no temporary file
}

TEST(ConfigFileTest, ADamagedFileGivesTheDefaultsAndIsKeptBesideEveryEarlierOne) {
    TempDir dir;
    const std::string head = "xp.col\r\n\r\nArial\r\n", blanks = " \r\n \r\n \r\n \r\n";
    int kept = 0;
    for (const char* bytes :
         {"(none)", "", "xp.col\r\n\r\nArial\r\n 0  10  0  255 \r\n",
          "blue.col\r\nq.txt\r\nCourier\r\n 3  9  1  2  3  4  5  1  0 \r\n",  // no recent lines
          " 0  ten  0  255  0  128  16777215  2  0 \r\n \r\n",
          " 0  10  0  255  0  128  16777215  2  4294967295 \r\n \r\n",
          " 0  10  0  255  0  128  16777215  2  0 \r\n"}) {  // four recent lines
        const std::string text = bytes[0] == ' ' ? head + bytes + blanks : bytes;
        if (text != "(none)") dir.Write("lumeta.cfg", text);
        const ConfigRead read = ReadcfgFile(dir.File("lumeta.cfg"));
        EXPECT_TRUE(read.damaged && read.defaultWritten) << text;
        EXPECT_EQ(ConfigText(read.settings), ConfigText(ConfigSettings{}));
        EXPECT_EQ(ReadBytes(dir.File("lumeta.cfg")),
                  head + " 0  10  0  255  0  128  16777215  2  0 \r\n \r\n \r\n \r\n \r\n \r\n");
        // Each damaged file lies beside it under a name of its own ("lumeta.cfg.bad", then
        // ".bad.2" ...), so a later damage never takes an earlier one's recent files; a
        // missing file leaves none.
        if (text == "(none)") continue;
        EXPECT_EQ(read.keptAs, DamagedFileName(dir.File("lumeta.cfg"), ++kept));
        EXPECT_EQ(ReadBytes(read.keptAs), text);
    }
    EXPECT_EQ(ReadBytes(dir.File("lumeta.cfg.bad")), "");
}

}  // namespace
}  // namespace lumeta
