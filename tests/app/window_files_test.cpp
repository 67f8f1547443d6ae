#include "app/app_files.h"
#include "app/created_puzzle.h"
#include "app/local_text.h"
#include "generator/puzzle_check.h"
#include "window_fixture.h"

namespace lumeta {
namespace {

using namespace lumeta::testing;

class FilesTest : public WindowTest {
  protected:
    void Open(const std::string& path) { answers << Q(path), form->mnuloadpuzfile->trigger(); }
    void Save(const std::string& path) { answers << Q(path), form->mnusave->trigger(); }
    QString SaveDialog() const {
        return "save " + Q(AppDir()) +
               " Lumeta Files (*.txt): Select a file to save current puzzle";
    }
    static QString Saved(const std::string& path, int count) {
        return Q("Puzzle appended to file:\n" + path + "\n " + std::to_string(count) + " puzzles");
    }
};

TEST_F(FilesTest, TheRecentFilesKeepTheNewestFiveNewestFirstWithoutDuplicatesOrGaps) {
    const std::string empty = WritePuzzles("empty.txt", 0);
    WriteConfig("", 0, {"/p/gone", "  ", empty, " ", "/p/e"});
    Start();
    EXPECT_EQ(RecentMenu(), QStringList({"/p/gone", "[]", Q(empty), "[]", "/p/e"}));
    answers << QStringList{"Ok", "Ok"};  // a missing or empty file is named and stays listed
    form->mnuoldfiles[0]->trigger();
    form->mnuoldfiles[2]->trigger();
    EXPECT_EQ(texts,
              QStringList({"File does not exist:\n/p/gone", "File does not exist:\n" + Q(empty)}));
    EXPECT_EQ(boxes[0], "icon 4: Ok");
    QStringList files = {"/p/gone", Q(empty), "/p/e"};
    for (int i = 1; i <= 6; ++i) {
        const std::string name = i < 6 ? "f" + std::to_string(i) : std::string(80, 'x');
        files.prepend(Q(WritePuzzles(name + ".txt", i + 1)));
        Open(files[0].toStdString());
        EXPECT_EQ(RecentMenu(), (files + QStringList{"[]"}).mid(0, 5));
    }
    // A long name is shortened where shown ("…"), in the middle on the menu.
    EXPECT_TRUE(form->label4->text().endsWith(QChar(0x2026)));
    EXPECT_TRUE(form->mnuoldfiles[0]->text().contains(QChar(0x2026)) &&
                form->mnuoldfiles[0]->text().endsWith("x.txt"));
    form->mnuoldfiles[3]->trigger();  // loaded, the order kept
    EXPECT_EQ(Shown(), "Puzzle file read | p# 1 of 4 | f3.txt");
    Open(files[4].toStdString());
    EXPECT_EQ(RecentMenu(), files.mid(0, 5));
    files.prepend(Q(WritePuzzles("F5.txt", 3)));  // only the letter case differs
    Open(files[0].toStdString());
    EXPECT_EQ(RecentMenu(), files.mid(0, 5));
    ASSERT_TRUE(form->SaveOptions());
    EXPECT_TRUE(Q(ReadBytes(ConfigPath())).endsWith(files.mid(0, 5).join("\r\n") + "\r\n"));

    // A name the system does not read as text opens, as named on the command line; one
    // with a line break opens too, but stays out of the recent files and out of the
    // configuration, whose lines it would break.
    const std::string latin1 = WritePuzzles("caf\xe9.txt", 2);
    form->OpenPuzzleFileNamed(LocalPath(QString::fromLocal8Bit(latin1.c_str())));
    EXPECT_EQ(S().current.PuzzleFile, latin1);
    files.prepend(Q(latin1));
    EXPECT_EQ(RecentMenu().first(), QtText(latin1));
    const std::string broken = WritePuzzles("two\nlines\r.txt", 3);
    answers << "Ok";
    form->OpenPuzzleFileNamed(broken);
    EXPECT_EQ(Shown(), "Puzzle file read | p# 1 of 3 | two\nlines\r.txt");
    EXPECT_EQ(texts.last(), Q("File name:\n" + WorkFile("two?lines?.txt") +
                              "\nholds a line break; it is not kept in the recent files"));
    EXPECT_EQ(RecentMenu().first(), QtText(latin1));
    ASSERT_TRUE(form->SaveOptions());
    const ConfigRead read = ReadcfgFile(ConfigPath());
    EXPECT_FALSE(read.damaged);
    EXPECT_EQ(read.settings.PuzzleFile, "");
    EXPECT_EQ(read.settings.recent.caption[0], latin1);
}

TEST_F(FilesTest, TwoCopiesKeepTheirOwnCreatedPuzzlesAndEachOthersRecentFiles) {
    WritePuzzles("puzzles.txt", 3);
    // A copy that ended without cleaning up left its folder behind.
    const std::string ended =
        WorkFile(OwnFolderPrefix(Form1::kTempPuzzleFile) + "999999999-abcdef");
    fs::create_directories(ended);
    Start();
    std::optional<Form1> other(std::in_place, AppDir(), RandomSource::Fixed(2));
    other->Startup();
    const std::string a = WritePuzzles("a.txt", 2), b = WritePuzzles("b.txt", 2);
    Open(a);
    ASSERT_TRUE(form->SaveOptions());
    other->OpenPuzzleFileNamed(b);

    form->mnucreate->trigger();
    const std::string mine = OnBoard();
    EXPECT_EQ(CheckPuzzleLine(S().layout, mine).problem, "");  // one solution
    other->mnucreate->trigger();
    const std::string theirs = PuzzleLine(other->State().layout, other->State().puzzle);
    ASSERT_NE(mine, theirs);
    EXPECT_FALSE(fs::exists(ended));
    EXPECT_EQ(ReadBytes(WorkFile(Form1::kTempPuzzleFile)), theirs + "\r\n");  // made last
    Enter(3, 6, "4");
    answers << "Yes";
    form->mnureset->trigger();  // its own puzzle, not the one made last
    EXPECT_EQ(OnBoard(), mine);

    // The other copy saves (as its Exit does) and ends: the file it was created into goes.
    const std::string othersOwn = other->State().current.PuzzleFile;
    ASSERT_TRUE(other->SaveOptions());
    EXPECT_EQ(ReadBytes(WorkFile(Form1::kTempPuzzleFile)), theirs + "\r\n");
    other.reset();
    EXPECT_FALSE(fs::exists(fs::path(othersOwn).parent_path()));

    // This copy saves: the other's recent file stays, and the created puzzle is its own.
    ASSERT_TRUE(form->SaveOptions());
    EXPECT_EQ(RecentMenu(), QStringList({Q(b), Q(a), "[]", "[]", "[]"}));
    EXPECT_TRUE(Q(ReadBytes(ConfigPath())).endsWith(Q(b + "\r\n" + a + "\r\n\r\n\r\n\r\n")));
    Start();
    EXPECT_EQ(Shown(), "Ready ... | p# 1 of 1 | tempcellnetpuzzle.txt");
    EXPECT_EQ(OnBoard(), mine);
}

TEST_F(FilesTest, SavingAppendsToTheChosenFileAddsTxtToANameWithoutADotAndNamesAFileItCannotWrite) {
    fs::create_directories(WorkFile("box.txt"));  // "box", completed with ".txt", is a folder
    std::ofstream(WorkFile("hand.txt")) << PuzzleLineNo(1) + "\n" + PuzzleLineNo(3);  // no end
    StartOn(10, 7);
    answers << QStringList{Q(WorkFile("box")), "Ok"};
    form->mnusave->trigger();  // the program goes on
    Save(WorkFile("collection"));
    Click(form->cmdarrow[2]);
    answers << Q(WorkFile("collection"));
    Shortcut(Qt::Key_S);
    EXPECT_EQ(texts,
              QStringList({SaveDialog(),
                           Q("Puzzle file:\n" + WorkFile("box.txt")) + "\ncould not be written",
                           SaveDialog(), Saved(WorkFile("collection.txt"), 1), SaveDialog(),
                           Saved(WorkFile("collection.txt"), 2)}));
    Save(WorkFile("hand.txt"));
    EXPECT_EQ(ReadBytes(WorkFile("collection.txt")),
              PuzzleLineNo(7) + "\r\n" + PuzzleLineNo(8) + "\r\n");
    EXPECT_EQ(ReadBytes(WorkFile("hand.txt")),
              PuzzleLineNo(1) + "\n" + PuzzleLineNo(3) + "\r\n" + PuzzleLineNo(8) + "\r\n");
    EXPECT_EQ(texts.last(), Saved(WorkFile("hand.txt"), 3));
    EXPECT_EQ(PuzzleLabel(), "p# 8 of 10");  // still the current puzzle
}

}  // namespace
}  // namespace lumeta
