#include <gtest/gtest.h>

#include <filesystem>

#include "app/config_file.h"
#include "board/undo_list.h"
#include "support/board_fixture.h"
#include "support/temp_dir.h"

namespace lumeta {
namespace {

using namespace lumeta::testing;

TEST(ConfigFileTest, AMissingShortOrUnreadableFileGivesTheDefaultsAndANewDefaultFile) {
    TempDir dir;
    const std::string head = "xp.col\r\n\r\nArial\r\n", blanks = " \r\n \r\n \r\n \r\n";
    for (const char* bytes :
         {"(none)", "", "xp.col\r\n\r\n", "xp.col\r\n\r\nArial\r\n 0  10  0  255 \r\n",
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
    }
    const ConfigRead read = ReadcfgFile(dir.File("missing-folder/lumeta.cfg"));
    EXPECT_TRUE(read.damaged && !read.defaultWritten);
    EXPECT_EQ(ConfigText(read.settings), ConfigText(ConfigSettings{}));
}

TEST(ConfigFileTest, ReadsNineLinesWithAnyLineEndAndNumbersSeparatedByBlanksOrCommas) {
    TempDir dir;
    ConfigSettings want{"blue.col",
                        "/p/my puzzles.txt",
                        "DejaVu Sans",
                        17,
                        12,
                        255,
                        65280,
                        8421504,
                        16711680,
                        12632256,
                        3,
                        13158600,
                        {}};
    // A line of blanks hides its entry; the next line still fills the next entry.
    want.recent.caption = {"/p/a.txt", "", "/p/c.txt", "", " /p/e.txt"};
    for (const char* end : {"\r\n", "\n", "\r"}) {
        std::string text;
        for (const char* line : {"blue.col", "/p/my puzzles.txt", "DejaVu Sans", " 17,12 255",
                                 "\t65280 , 8421504  16711680  12632256  3  13158600 ", "/p/a.txt",
                                 "   ", "/p/c.txt", "", " /p/e.txt"})
            text += std::string(line) + end;
        const ConfigRead read = ReadcfgFile(dir.Write("lumeta.cfg", text));
        EXPECT_FALSE(read.damaged);
        EXPECT_EQ(ConfigText(read.settings), ConfigText(want)) << int(end[0]);
    }
}

TEST(ConfigFileTest, SavesEveryLineThroughATemporaryFileAndReadsItBack) {
    TempDir dir;
    ConfigSettings settings;
    settings.PuzzleFile = "/p/puzzles.txt";
    settings.PuzzleNo = -1;
    settings.GridColour = 0x80000005u;  // a system colour: negative on the line
    settings.recent.caption = {"/p/b.txt", "/p/a.txt", "", "", ""};
    ASSERT_TRUE(SavecfgFile(dir.File("lumeta.cfg"), settings));
    EXPECT_EQ(
        ReadBytes(dir.File("lumeta.cfg")),
        "xp.col\r\n/p/puzzles.txt\r\nArial\r\n-1  10  0  255 -2147483643  128  16777215  2  0 "
        "\r\n/p/b.txt\r\n/p/a.txt\r\n\r\n\r\n\r\n");
    EXPECT_EQ(ConfigText(ReadcfgFile(dir.File("lumeta.cfg")).settings), ConfigText(settings));

    EXPECT_FALSE(SavecfgFile(dir.File("missing-folder/lumeta.cfg"), settings));
    std::filesystem::remove(dir.File("lumeta.cfg"));
    std::filesystem::create_directory(dir.File("lumeta.cfg"));  // cannot be replaced
    EXPECT_FALSE(SavecfgFile(dir.File("lumeta.cfg"), settings));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(UndoListTest, DropsRecordsThatNameNoCellOfTheTables) {
    Board board = BuiltBoard(7);
    UndoList undo{{" 40, 3,1", " 2", "x, 3,1", " -1, 3,1", " 1, 99,1", ""}};
    while (!undo.empty())
        EXPECT_TRUE(UndoLast(undo, board.puzzle));
    for (const auto& row : board.puzzle.Entry)
        for (const std::string& entry : row)
            EXPECT_EQ(entry, "");
}

}  // namespace
}  // namespace lumeta
