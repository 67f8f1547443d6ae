#include <gtest/gtest.h>

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
    struct Result {
        LoadReport report;
        int n, err;
    };
    // Counts the file (unless a count is given) and loads puzzle n.
    Result Load(const std::string& file, int n, int count = -1) {
        current.PuzzleCount = count >= 0 ? count : CountPuzzles(file);
        int err = 99;
        LoadReport report = LoadPuzzle(board.layout, board.puzzle, current, file, n, err);
        return {report, n, err};
    }
    std::string Line() const { return PuzzleLine(board.layout, board.puzzle); }
    TempDir dir;
    testing::Board board = BuiltBoard();
    CurrentPuzzle current;
};

TEST_F(LoadPuzzleTest, CountsLinesAndZeroForFilesItCannotRead) {
    EXPECT_EQ(CountPuzzles(dir.Write("a.txt", NumberedLines(120))), 120);
    EXPECT_EQ(CountPuzzles(dir.Write("empty.txt", "")), 0);
    EXPECT_EQ(CountPuzzles(dir.File("missing.txt")), 0);
    EXPECT_EQ(CountPuzzles(dir.path().string()), 0);
}

TEST_F(LoadPuzzleTest, LoadsLineNIntoTheBoardAndNamesIt) {
    const auto file = dir.Write("puzzles.txt", NumberedLines(120));
    board.puzzle.Entry[3][5] = "2";
    const Result third = Load(file, 3);
    ASSERT_TRUE(third.report.loaded());
    EXPECT_EQ(third.err, 0);
    EXPECT_EQ(Line().substr(0, 6), "000003");
    EXPECT_EQ(board.puzzle.Entry[3][5], "");
    EXPECT_EQ(third.report.puzzleLabel, "p# 3 of 120");
    EXPECT_EQ(third.report.fileLabel + "|" + third.report.fileTooltip + "|" + current.PuzzleFile,
              "puzzles.txt|" + file + "|" + file);
    EXPECT_EQ(current.PuzzleNo, 3);

    const Result last = Load(dir.Write("lf.txt", NumberedLines(120, "\n")), -1);
    EXPECT_EQ(last.n, 120);  // -1 stands for the last and is written back
    EXPECT_EQ(Line().substr(0, 6), "000120");

    Load(file, 0);
    EXPECT_EQ(Line(), "");
}

TEST_F(LoadPuzzleTest, RefusesWithoutChangingTheBoardOrTheCurrentPuzzle) {
    const auto file = dir.Write("p.txt", NumberedLines(5));
    Load(file, 2);
    board.puzzle.Entry[3][5] = "6";
    const auto unchanged = [&] {
        EXPECT_EQ(Line().substr(0, 6), "000002");
        EXPECT_EQ(board.puzzle.Entry[3][5], "6");
        EXPECT_EQ(current.PuzzleNo, 2);
        EXPECT_EQ(current.PuzzleFile, file);
    };
    const Result tooHigh = Load(file, 6);
    EXPECT_EQ(tooHigh.report.kind, LoadReport::Kind::NumberTooHigh);
    EXPECT_EQ(tooHigh.err, -1);
    unchanged();

    const auto empty = dir.Write("empty.txt", "");
    const Result none = Load(empty, 1);
    EXPECT_EQ(none.report.kind, LoadReport::Kind::NoPuzzles);
    EXPECT_EQ(none.report.message, empty + " does not appear to have any puzzles");
    EXPECT_EQ(none.err, 99);  // left as the caller set it
    unchanged();

    // Lines lost since the file was counted, or the file gone: an error, not a load.
    const Result lost = Load(file, 7, 10);
    EXPECT_EQ(lost.report.kind, LoadReport::Kind::Unreadable);
    EXPECT_EQ(lost.err, -1);
    std::filesystem::remove(file);
    EXPECT_EQ(Load(file, 1, 5).report.kind, LoadReport::Kind::Unreadable);
    unchanged();
}

TEST_F(LoadPuzzleTest, ShortLongAndOddLinesLoadAsTheyStand) {
    const std::string sample(kSampleLine), lines[] = {sample.substr(0, 40), sample, "xyz"};
    const auto file = dir.Write("odd.txt", lines[0] + "\r\n" + lines[1] + "999999\r\n" + lines[2]);
    for (int n = 1; n <= 3; ++n) {
        Load(file, n);
        EXPECT_EQ(Line(), lines[n - 1]);
    }
}

}  // namespace
}  // namespace lumeta
