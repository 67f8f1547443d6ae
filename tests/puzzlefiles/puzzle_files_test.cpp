#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>

#include "puzzlefiles/puzzle_loader.h"
#include "puzzlefiles/puzzle_writer.h"
#include "support/board_fixture.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"

namespace lumeta {
namespace {

using testing::FileSizeLimit;
using testing::kSampleLine;
using testing::ReadBytes;
using testing::TempDir;

// A file of `count` distinct puzzle-like lines: line n starts with n written in 6 digits.
std::string NumberedLines(int count, const char* lineEnd = "\r\n") {
    std::string bytes;
    for (int n = 1; n <= count; ++n) {
        const std::string number = std::to_string(n);
        bytes += std::string(6 - number.size(), '0') + number + std::string(kSampleLine.substr(6));
        bytes += lineEnd;
    }
    return bytes;
}

class PuzzleFile : public ::testing::Test {
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
    testing::Board board = testing::BuiltBoard();
    CurrentPuzzle current;
};

TEST_F(PuzzleFile, LoadsLineNIntoTheBoardAndNamesIt) {
    const auto file = dir.Write("puzzles.txt", NumberedLines(120));
    board.puzzle.Entry[3][5] = "2";
    const Result third = Load(file, 3);
    ASSERT_TRUE(third.report.loaded());
    EXPECT_EQ(Line().substr(0, 6), "000003");
    EXPECT_EQ(board.puzzle.Entry[3][5], "");
    EXPECT_EQ(third.report.puzzleLabel, "p# 3 of 120");
    EXPECT_EQ(third.report.fileLabel + "|" + third.report.fileTooltip + "|" + current.PuzzleFile,
              "puzzles.txt|" + file + "|" + file);
    EXPECT_EQ(std::pair(third.err, current.PuzzleNo), std::pair(0, 3));

    const Result last = Load(dir.Write("lf.txt", NumberedLines(120, "\n")), -1);
    EXPECT_EQ(last.n, 120);  // -1 stands for the last and is written back
    EXPECT_EQ(Line().substr(0, 6), "000120");

    Load(file, 0);
    EXPECT_EQ(Line(), "");
}

TEST_F(PuzzleFile, RefusesWithoutChangingTheBoardOrTheCurrentPuzzle) {
    using enum LoadReport::Kind;
    const auto file = dir.Write("p.txt", NumberedLines(5)), empty = dir.Write("empty.txt", "");
    Load(file, 2);
    board.puzzle.Entry[3][5] = "6";
    const Result tooHigh = Load(file, 6), none = Load(empty, 1);
    // Lines lost since the file was counted, or the file gone: an error, not a load.
    const Result lost = Load(file, 7, 10);
    std::filesystem::remove(file);
    const Result gone = Load(file, 1, 5);
    EXPECT_EQ(std::tuple(tooHigh.report.kind, tooHigh.err), std::tuple(NumberTooHigh, -1));
    EXPECT_EQ(std::tuple(none.report.kind, none.err), std::tuple(NoPuzzles, 99));  // err as set
    EXPECT_EQ(none.report.message, empty + " does not appear to have any puzzles");
    EXPECT_EQ(std::tuple(lost.report.kind, lost.err), std::tuple(Unreadable, -1));
    EXPECT_EQ(gone.report.kind, Unreadable);
    EXPECT_EQ(Line().substr(0, 6) + board.puzzle.Entry[3][5], "0000026");  // an entry kept
    EXPECT_EQ(std::pair(current.PuzzleNo, current.PuzzleFile), std::pair(2, file));
}

TEST_F(PuzzleFile, ShortLongAndOddLinesLoadAsTheyStand) {
    const std::string sample(kSampleLine), lines[] = {sample.substr(0, 40), sample, "xyz"};
    const auto file = dir.Write("odd.txt", lines[0] + "\r\n" + lines[1] + "999999\r\n" + lines[2]);
    for (int n = 1; n <= 3; ++n) {
        Load(file, n);
        EXPECT_EQ(Line(), lines[n - 1]);
    }
}

TEST_F(PuzzleFile, WritesCrLfLinesOrLeavesTheFileAsItWas) {
    // A missing file is made; an empty board writes an empty line.
    ASSERT_TRUE(
        WritePuzzleLine(board.layout, board.puzzle, dir.File("new.txt"), WriteMode::Append));
    EXPECT_EQ(ReadBytes(dir.File("new.txt")), "\r\n");
    PlacePuzzleLine(board.layout, board.puzzle, kSampleLine);
    const auto file = dir.Write("out.txt", "old contents\r\n");
    ASSERT_TRUE(WritePuzzleLine(board.layout, board.puzzle, file, WriteMode::Replace));
    EXPECT_EQ(ReadBytes(file), std::string(kSampleLine) + "\r\n");

    // Whatever ends the last line (nothing, a lone CR, LF, CR LF), the new puzzle is the
    // very next line: it neither joins the last line nor leaves an empty one between.
    for (const std::string ending : {"", "\r", "\n", "\r\n"}) {
        const auto open = dir.Write("open.txt", "abc" + ending);
        ASSERT_TRUE(WritePuzzleLine(board.layout, board.puzzle, open, WriteMode::Append));
        EXPECT_EQ(ReadBytes(open).substr(3),
                  (ending.empty() ? "\r\n" : ending) + std::string(kSampleLine) + "\r\n");
        EXPECT_EQ(CountPuzzles(open), 2) << "ending " << ending.size();
    }

    // A write that cannot be done in full leaves every file as it was, even for root: a
    // half written line is taken back, a read-only file is refused.
    const auto full = dir.Write("full.txt", "keep me\r\n");
    const auto readOnly = dir.Write("read-only.txt", "keep\r\n");
    std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read);
    for (WriteMode mode : {WriteMode::Append, WriteMode::Replace}) {
        EXPECT_FALSE(WritePuzzleLine(board.layout, board.puzzle, readOnly, mode));
        const FileSizeLimit limit(20);
        EXPECT_FALSE(WritePuzzleLine(board.layout, board.puzzle, full, mode));
        EXPECT_FALSE(WritePuzzleLine(board.layout, board.puzzle, dir.File("fresh.txt"), mode));
    }
    EXPECT_EQ(ReadBytes(full), "keep me\r\n");
    EXPECT_EQ(ReadBytes(readOnly), "keep\r\n");
    EXPECT_EQ(testing::FileNames(dir.path()).size(), 5u);  // no temporary file left
}

TEST(AddDefaultExtension, AddsTheExtensionOnlyToANameWithoutAnyDot) {
    for (const auto& [name, named] : {std::pair{"/home/ann/mine", "/home/ann/mine.txt"},
                                      {"/home/ann/my.puzzles/mine", "/home/ann/my.puzzles/mine"},
                                      {"mine.dat", "mine.dat"}}) {
        std::string file = name;
        AddDefaultExtension(file, "txt");
        EXPECT_EQ(file, named);
    }
}

}  // namespace
}  // namespace lumeta
