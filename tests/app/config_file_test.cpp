#include "app/config_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace lumeta {
namespace {

using namespace lumeta::testing;

constexpr std::string_view kDefaultFile =
    "xp.col\r\n\r\nArial\r\n 0  10  0  255  0  128  16777215  2  0 \r\n \r\n \r\n \r\n \r\n \r\n";

class ConfigFileTest : public ::testing::Test {
  protected:
    std::string Path() const { return dir.File("lumeta.cfg"); }

    // Writing a file and reading it back must give the defaults and a fresh default file.
    void ExpectDamaged(std::string_view bytes) {
        dir.Write("lumeta.cfg", bytes);
        const ConfigRead read = ReadcfgFile(Path());
        EXPECT_TRUE(read.damaged);
        EXPECT_TRUE(read.defaultWritten);
        EXPECT_EQ(ConfigText(read.settings), ConfigText(ConfigSettings{}));
        EXPECT_FALSE(read.settings.recent.SeparatorVisible());
        EXPECT_EQ(ReadBytes(Path()), kDefaultFile);
    }

    TempDir dir;
};

TEST_F(ConfigFileTest, FirstRunWritesTheDefaultFile) {
    const ConfigRead read = ReadcfgFile(Path());
    EXPECT_TRUE(read.damaged);
    EXPECT_TRUE(read.defaultWritten);
    EXPECT_EQ(read.settings.SchemeName, "xp.col");
    EXPECT_EQ(read.settings.PuzzleFile, "");
    EXPECT_EQ(read.settings.BoardFontName, "Arial");
    EXPECT_EQ(read.settings.PuzzleNo, 0);
    EXPECT_EQ(read.settings.BoardFontSize, 10);
    EXPECT_EQ(read.settings.FixedColour, 255u);
    EXPECT_EQ(read.settings.UserColour, 128u);
    EXPECT_EQ(read.settings.HexFillColour, 16777215u);
    EXPECT_EQ(read.settings.BorderWidth, 2);
    for (int entry = 0; entry < RecentFiles::kEntries; ++entry)
        EXPECT_FALSE(read.settings.recent.Visible(entry));
    EXPECT_EQ(ReadBytes(Path()), kDefaultFile);
    EXPECT_EQ(DefaultConfigText(), kDefaultFile);
}

TEST_F(ConfigFileTest, ReadsEveryLineOfAFullFile) {
    dir.Write("lumeta.cfg",
              "blue.col\r\n/home/p/my puzzles.txt\r\nDejaVu Sans\r\n"
              " 17  12  255  65280  8421504  16711680  12632256  3  13158600 \r\n"
              "/home/p/a.txt\r\n   \r\n/home/p/c.txt\r\n\r\n /home/p/e.txt\r\n");
    const ConfigRead read = ReadcfgFile(Path());
    ASSERT_FALSE(read.damaged);
    const ConfigSettings& s = read.settings;
    EXPECT_EQ(s.SchemeName, "blue.col");
    EXPECT_EQ(s.PuzzleFile, "/home/p/my puzzles.txt");
    EXPECT_EQ(s.BoardFontName, "DejaVu Sans");
    EXPECT_EQ(s.PuzzleNo, 17);
    EXPECT_EQ(s.BoardFontSize, 12);
    EXPECT_EQ(s.BorderColour, 255u);
    EXPECT_EQ(s.FixedColour, 65280u);
    EXPECT_EQ(s.GridColour, 8421504u);
    EXPECT_EQ(s.UserColour, 16711680u);
    EXPECT_EQ(s.HexFillColour, 12632256u);
    EXPECT_EQ(s.BorderWidth, 3);
    EXPECT_EQ(s.UserButtonColour, 13158600u);
    // A line of blanks hides its entry; the next line still fills the next entry, as read.
    EXPECT_EQ(s.recent.caption[0], "/home/p/a.txt");
    EXPECT_FALSE(s.recent.Visible(1));
    EXPECT_EQ(s.recent.caption[2], "/home/p/c.txt");
    EXPECT_FALSE(s.recent.Visible(3));
    EXPECT_EQ(s.recent.caption[4], " /home/p/e.txt");
    EXPECT_TRUE(s.recent.SeparatorVisible());
}

TEST_F(ConfigFileTest, ReadsTheNumbersSeparatedByBlanksCommasOrLineEnds) {
    dir.Write("lumeta.cfg", "xp.col\nf.txt\nArial\n5,11,1,2\n3 4  5\n\t6 , 7\n \n \n \n \n \n");
    const ConfigRead read = ReadcfgFile(Path());
    ASSERT_FALSE(read.damaged);
    EXPECT_EQ(read.settings.PuzzleNo, 5);
    EXPECT_EQ(read.settings.BoardFontSize, 11);
    EXPECT_EQ(read.settings.HexFillColour, 5u);
    EXPECT_EQ(read.settings.BorderWidth, 6);
    EXPECT_EQ(read.settings.UserButtonColour, 7u);
    EXPECT_FALSE(read.settings.recent.SeparatorVisible());
}

TEST_F(ConfigFileTest, ReadsFilesWithAnyLineEnd) {
    for (const char* end : {"\n", "\r"}) {
        std::string text;
        for (const char* line : {"xp.col", "p.txt", "Arial", " 4  10  0  255  0  128  0  2  0 ",
                                 "/r/a.txt", "", "", "", ""})
            text += std::string(line) + end;
        dir.Write("lumeta.cfg", text);
        const ConfigRead read = ReadcfgFile(Path());
        ASSERT_FALSE(read.damaged) << "line end " << int(end[0]);
        EXPECT_EQ(read.settings.PuzzleFile, "p.txt");
        EXPECT_EQ(read.settings.PuzzleNo, 4);
        EXPECT_EQ(read.settings.recent.caption[0], "/r/a.txt");
    }
}

TEST_F(ConfigFileTest, TreatsAFileWithoutItsRecentLinesAsDamaged) {
    // Everything read before the missing lines is dropped too.
    ExpectDamaged("blue.col\r\nq.txt\r\nCourier\r\n 3  9  1  2  3  4  5  1  0 \r\n");
}

TEST_F(ConfigFileTest, TreatsShortOrUnreadableFilesAsDamaged) {
    ExpectDamaged("");
    ExpectDamaged("xp.col\r\n\r\n");
    ExpectDamaged("xp.col\r\n\r\nArial\r\n 0  10  0  255 \r\n");
    ExpectDamaged(
        "xp.col\r\n\r\nArial\r\n 0  ten  0  255  0  128  16777215  2  0 \r\n \r\n \r\n"
        " \r\n \r\n \r\n");
    ExpectDamaged(
        "xp.col\r\n\r\nArial\r\n 0  10  0  255  0  128  16777215  2  4294967295 \r\n"
        " \r\n \r\n \r\n \r\n \r\n");
    ExpectDamaged(
        "xp.col\r\n\r\nArial\r\n 0  10  0  255  0  128  16777215  2  0 \r\n \r\n \r\n"
        " \r\n \r\n");  // four recent lines
}

TEST_F(ConfigFileTest, KeepsTheDefaultsWhenTheDefaultFileCannotBeWritten) {
    const std::string path = dir.File("missing-folder/lumeta.cfg");
    const ConfigRead read = ReadcfgFile(path);
    EXPECT_TRUE(read.damaged);
    EXPECT_FALSE(read.defaultWritten);
    EXPECT_EQ(ConfigText(read.settings), ConfigText(ConfigSettings{}));
}

TEST_F(ConfigFileTest, SavesTwoRecentFilesOnLinesFiveAndSix) {
    ConfigSettings settings;
    settings.PuzzleFile = "/home/p/puzzles.txt";
    settings.PuzzleNo = 42;
    settings.recent.caption[0] = "/home/p/b.txt";
    settings.recent.caption[1] = "/home/p/a.txt";
    ASSERT_TRUE(SavecfgFile(Path(), settings));
    EXPECT_EQ(ReadBytes(Path()),
              "xp.col\r\n/home/p/puzzles.txt\r\nArial\r\n"
              " 42  10  0  255  0  128  16777215  2  0 \r\n"
              "/home/p/b.txt\r\n/home/p/a.txt\r\n\r\n\r\n\r\n");

    const ConfigRead read = ReadcfgFile(Path());
    ASSERT_FALSE(read.damaged);
    EXPECT_EQ(ConfigText(read.settings), ConfigText(settings));
}

TEST_F(ConfigFileTest, WritesNegativeNumbersWithTheirSign) {
    ConfigSettings settings;
    settings.GridColour = 0x80000005u;  // a system colour
    settings.PuzzleNo = -1;
    const std::string text = ConfigText(settings);
    EXPECT_NE(text.find("\r\n-1  10  0  255 -2147483643  128 "), std::string::npos) << text;
    ASSERT_TRUE(SavecfgFile(Path(), settings));
    const ConfigRead read = ReadcfgFile(Path());
    ASSERT_FALSE(read.damaged);
    EXPECT_EQ(read.settings.GridColour, 0x80000005u);
    EXPECT_EQ(read.settings.PuzzleNo, -1);
}

TEST_F(ConfigFileTest, AFailedSaveLeavesTheOldFileWhole) {
    EXPECT_FALSE(SavecfgFile(dir.File("missing-folder/lumeta.cfg"), ConfigSettings{}));

    // A folder in the file's place cannot be replaced.
    std::filesystem::create_directory(Path());
    EXPECT_FALSE(SavecfgFile(Path(), ConfigSettings{}));
    EXPECT_TRUE(std::filesystem::is_directory(Path()));
    EXPECT_FALSE(std::filesystem::exists(Path() + ".part"));
}

}  // namespace
}  // namespace lumeta
