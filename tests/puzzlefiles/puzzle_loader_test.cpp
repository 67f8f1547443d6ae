#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <string>

#include "puzzlefiles/puzzle_loader.h"
#include "support/board_fixture.h"
#include "support/temp_dir.h"

namespace lumeta {
namespace {

using testing::BuiltBoard;
using testing::kSampleLine;
using testing::TempDir;

// A file of `count` distinct puzzle-like lines: line n starts with n written in 6 digits.
std::string NumberedLines(int count, const char* lineEnd = "\r\n") {
    std::string bytes;
    for (int n = 1; n <= count; ++n) {
        std::string line = std::to_string(n);
        line.insert(0, 6 - line.size(), '0');
        line += kSampleLine.substr(6);
        bytes += line + lineEnd;
    }
    return bytes;
}

class LoadPuzzleTest : public ::testing::Test {
  protected:
    LoadReport Load(const std::string& file, int& n, int& err) {
        return LoadPuzzle(board.layout, board.puzzle, current, file, n, err);
    }
    std::string FirstSix() const { return PuzzleLine(board.layout, board.puzzle).substr(0, 6); }
    TempDir dir;
    testing::Board board = BuiltBoard();
    CurrentPuzzle current;
};

TEST_F(LoadPuzzleTest, CountsLinesAndZeroForFilesItCannotRead) {
    EXPECT_EQ(CountPuzzles(dir.Write("a.txt", NumberedLines(120))), 120);
    EXPECT_EQ(CountPuzzles(dir.Write("empty.txt", "")), 0);
    EXPECT_EQ(CountPuzzles(dir.File("missing.txt")), 0);
    EXPECT_EQ(CountPuzzles(dir.path().string()), 0);
    const auto locked = dir.Write("locked.txt", NumberedLines(3));
    std::filesystem::permissions(locked, std::filesystem::perms::none);
    if (::geteuid() != 0) {  // root reads anyway
        EXPECT_EQ(CountPuzzles(locked), 0);
    }
}

TEST_F(LoadPuzzleTest, LoadsLineNIntoTheBoardAndNamesIt) {
    const auto file = dir.Write("puzzles.txt", NumberedLines(120));
    current.PuzzleCount = CountPuzzles(file);
    board.puzzle.Entry[3][5] = "2";
    int n = 3, err = 99;
    const LoadReport report = Load(file, n, err);
    ASSERT_TRUE(report.loaded());
    EXPECT_EQ(err, 0);
    EXPECT_EQ(FirstSix(), "000003");
    EXPECT_EQ(board.puzzle.Entry[3][5], "");
    EXPECT_EQ(report.puzzleLabel, "p# 3 of 120");
    EXPECT_EQ(report.fileLabel, "puzzles.txt");
    EXPECT_EQ(report.fileTooltip, file);
    EXPECT_EQ(current.PuzzleFile, file);
    EXPECT_EQ(current.PuzzleNo, 3);
}

TEST_F(LoadPuzzleTest, MinusOneLoadsTheLastPuzzleAndWritesItsNumberBack) {
    const auto file = dir.Write("p.txt", NumberedLines(120, "\n"));
    current.PuzzleCount = CountPuzzles(file);
    int n = -1, err = 0;
    EXPECT_TRUE(Load(file, n, err).loaded());
    EXPECT_EQ(n, 120);
    EXPECT_EQ(FirstSix(), "000120");
    EXPECT_EQ(current.PuzzleNo, 120);
}

TEST_F(LoadPuzzleTest, NumberPastTheCountSetsErrAndChangesNothing) {
    const auto file = dir.Write("p.txt", NumberedLines(5));
    current.PuzzleCount = 5;
    int n = 2, err = 0;
    Load(file, n, err);
    const std::string before = PuzzleLine(board.layout, board.puzzle);
    board.puzzle.Entry[3][5] = "6";

    n = 6;
    const LoadReport report = Load(file, n, err);
    EXPECT_EQ(report.kind, LoadReport::Kind::NumberTooHigh);
    EXPECT_EQ(err, -1);
    EXPECT_EQ(current.PuzzleNo, 2);
    EXPECT_EQ(PuzzleLine(board.layout, board.puzzle), before);
    EXPECT_EQ(board.puzzle.Entry[3][5], "6");
}

TEST_F(LoadPuzzleTest, FileWithoutPuzzlesSaysSoAndLeavesTheBoard) {
    const auto file = dir.Write("empty.txt", "");
    current.PuzzleCount = 0;
    int n = 1, err = 7;
    const LoadReport report = Load(file, n, err);
    EXPECT_EQ(report.kind, LoadReport::Kind::NoPuzzles);
    EXPECT_EQ(report.message, file + " does not appear to have any puzzles");
    EXPECT_EQ(err, 7);
    EXPECT_TRUE(current.PuzzleFile.empty());
}

TEST_F(LoadPuzzleTest, FileThatLostLinesSinceItWasCountedReportsAnErrorInsteadOfLoading) {
    const auto file = dir.Write("p.txt", NumberedLines(3));
    current.PuzzleCount = 10;  // counted before the file shrank
    int n = 7, err = 0;
    EXPECT_EQ(Load(file, n, err).kind, LoadReport::Kind::Unreadable);
    EXPECT_EQ(err, -1);
    EXPECT_EQ(current.PuzzleNo, 0);
    std::filesystem::remove(file);
    n = 1;
    EXPECT_EQ(Load(file, n, err).kind, LoadReport::Kind::Unreadable);
}

TEST_F(LoadPuzzleTest, PuzzleZeroLoadsAnEmptyBoard) {
    const auto file = dir.Write("p.txt", NumberedLines(3));
    current.PuzzleCount = 3;
    int n = 0, err = 0;
    const LoadReport report = Load(file, n, err);
    ASSERT_TRUE(report.loaded());
    EXPECT_EQ(PuzzleLine(board.layout, board.puzzle), "");
    EXPECT_EQ(report.puzzleLabel, "p# 0 of 3");
}

TEST_F(LoadPuzzleTest, ShortLongAndOddLinesLoadAsTheyStand) {
    const auto file = dir.Write("odd.txt", std::string(kSampleLine.substr(0, 40)) + "\r\n" +
                                               std::string(kSampleLine) + "999999\r\nxyz");
    current.PuzzleCount = CountPuzzles(file);
    ASSERT_EQ(current.PuzzleCount, 3);
    int n = 1, err = 0;
    Load(file, n, err);
    EXPECT_EQ(PuzzleLine(board.layout, board.puzzle), kSampleLine.substr(0, 40));
    n = 2;
    Load(file, n, err);
    EXPECT_EQ(PuzzleLine(board.layout, board.puzzle), kSampleLine);
    n = 3;
    Load(file, n, err);
    EXPECT_EQ(PuzzleLine(board.layout, board.puzzle), "xyz");

    const auto one = dir.Write("one.txt", std::string(kSampleLine));
    current.PuzzleCount = CountPuzzles(one);
    n = 1;
    EXPECT_EQ(Load(one, n, err).puzzleLabel, "p# 1 of 1");
}

TEST(FileLabelText, IsTheNameAfterTheLastSlash) {
    EXPECT_EQ(FileLabelText("/home/ann/puzzles/my.txt"), "my.txt");
    EXPECT_EQ(FileLabelText("plain.txt"), "plain.txt");
    EXPECT_EQ(FileLabelText("/tmp/dir/"), "");
}

}  // namespace
}  // namespace lumeta
