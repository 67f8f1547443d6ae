#include "support/file_size_limit.h"
#include "window_fixture.h"

namespace lumeta {
namespace {

using namespace lumeta::testing;

class FilesTest : public WindowTest {
  protected:
    void Open(const std::string& path) { answers << Q(path), form->mnuloadpuzfile->trigger(); }
    void Save(const std::string& path) { answers << Q(path), form->mnusave->trigger(); }
    QString Dialog(bool save) const {
        return (save ? "save " : "open ") + Q(AppDir()) + " Lumeta Files (*.txt): " +
               (save ? "Select a file to save current puzzle" : "Select a saved game file to load");
    }
    static QString Saved(const std::string& path, int count) {
        return Q("Puzzle appended to file:\n" + path + "\n " + std::to_string(count) + " puzzles");
    }
};

TEST_F(FilesTest, OpeningAFileLoadsItsFirstPuzzleWhileCancelOrAFileWithoutPuzzlesChangeNothing) {
    WriteConfig(WritePuzzles("file.txt", 5), 3);
    const std::string other = WritePuzzles("other.txt", 7);
    Start();
    Enter(3, 6, "4");
    const QImage before = form->Picture1->Image();
    for (const std::string& answer : {std::string(), WritePuzzles("empty.txt", 0)}) {
        Open(answer);
        EXPECT_EQ(Shown(), "Hex = 4, Cell= 2 | p# 3 of 5 | file.txt");
        EXPECT_EQ(form->Picture1->Image(), before);
        EXPECT_FALSE(form->mnuoldfiles[5]->isVisible());
    }
    Save("");
    const std::pair<const char*, int> files[] = {{"app", 2}, {"work", 3}, {"elsewhere", 0}};
    for (const auto& [folder, count] : files)  // nothing written
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path() / folder), {}), count);

    answers << Q(other);
    Click(form->cmdload);
    EXPECT_EQ(texts, QStringList({Dialog(false), Dialog(false), Dialog(true), Dialog(false)}));
    EXPECT_EQ(Shown(), "Puzzle file read | p# 1 of 7 | other.txt");
    EXPECT_EQ(form->label4->toolTip(), Q(other));
    EXPECT_EQ(S().current.PuzzleFile, other);
    EXPECT_EQ(OnBoard(), PuzzleLineNo(1));
    EXPECT_TRUE(form->mnuoldfiles[5]->isVisible());
    answers << Q(WorkFile("file.txt"));
    Shortcut(Qt::Key_O);
    EXPECT_EQ(RecentMenu(), QStringList({Q(WorkFile("file.txt")), Q(other), "[]", "[]", "[]"}));
}

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
        files.prepend(Q(WritePuzzles("f" + std::to_string(i) + ".txt", i + 1)));
        Open(files[0].toStdString());
        EXPECT_EQ(RecentMenu(), (files + QStringList{"[]"}).mid(0, 5));
    }
    form->mnuoldfiles[3]->trigger();  // loaded, the order kept
    EXPECT_EQ(Shown(), "Puzzle file read | p# 1 of 4 | f3.txt");
    Open(files[4].toStdString());
    EXPECT_EQ(RecentMenu(), files.mid(0, 5));
    files.prepend(Q(WritePuzzles("F6.txt", 3)));  // only the letter case differs
    Open(files[0].toStdString());
    EXPECT_EQ(RecentMenu(), files.mid(0, 5));
    ASSERT_TRUE(form->SaveOptions());
    EXPECT_TRUE(Q(ReadBytes(ConfigPath())).endsWith(files.mid(0, 5).join("\r\n") + "\r\n"));
}

TEST_F(FilesTest,
       SavingAppendsToTheChosenFileAddsTxtOnlyToANameWithoutADotAndNamesAFileItCannotWrite) {
    WriteConfig(WritePuzzles("file.txt", 10), 7);
    fs::create_directories(WorkFile("dotted.dir"));
    fs::create_directories(WorkFile("box.txt"));  // "box", completed with ".txt", is a folder
    std::ofstream(WorkFile("hand.txt")) << PuzzleLineNo(1) + "\n" + PuzzleLineNo(3);  // no end
    Start();
    answers << QStringList{Q(WorkFile("box")), "Ok"};
    form->mnusave->trigger();  // the program goes on
    EXPECT_TRUE(fs::is_empty(WorkFile("box.txt")));
    const std::string saved = WorkFile("collection.txt");
    Save(WorkFile("collection"));
    Click(form->cmdarrow[2]);
    answers << Q(WorkFile("collection"));
    Shortcut(Qt::Key_S);
    EXPECT_EQ(texts,
              QStringList({Dialog(true),
                           Q("Puzzle file:\n" + WorkFile("box.txt")) + "\ncould not be written",
                           Dialog(true), Saved(saved, 1), Dialog(true), Saved(saved, 2)}));
    EXPECT_EQ(ReadBytes(saved), PuzzleLineNo(7) + "\r\n" + PuzzleLineNo(8) + "\r\n");
    EXPECT_FALSE(fs::exists(WorkFile("collection")));
    EXPECT_EQ(PuzzleLabel(), "p# 8 of 10");  // still the current puzzle
    for (const std::string& name : {WorkFile("my.puzzles"), WorkFile("dotted.dir/plain")}) {
        Save(name);
        EXPECT_EQ(ReadBytes(name), PuzzleLineNo(8) + "\r\n") << name;
        EXPECT_EQ(texts.last(), Saved(name, 1));
    }
    Save(WorkFile("hand.txt"));
    EXPECT_EQ(ReadBytes(WorkFile("hand.txt")),
              PuzzleLineNo(1) + "\n" + PuzzleLineNo(3) + "\r\n" + PuzzleLineNo(8) + "\r\n");
    EXPECT_EQ(texts.last(), Saved(WorkFile("hand.txt"), 3));

    // A file the disk takes only part of a line into stays byte for byte as it was.
    const std::string full = WorkFile("full.txt");
    std::ofstream(full) << "keep\r\n";
    {
        const testing::FileSizeLimit limit(20);
        answers << QStringList{Q(full), "Ok"};
        form->mnusave->trigger();
    }
    EXPECT_EQ(ReadBytes(full), "keep\r\n");
    EXPECT_EQ(texts.last(), Q("Puzzle file:\n" + full) + "\ncould not be written");
}

}  // namespace
}  // namespace lumeta
