#include <gtest/gtest.h>

#include <sys/stat.h>
#include <filesystem>
#include <set>

#include "puzzlefiles/puzzle_loader.h"
#include "puzzlefiles/puzzle_writer.h"
#include "support/board_fixture.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"

namespace lumeta {
namespace {

using testing::BuiltBoard;
using testing::FileSizeLimit;
using testing::kSampleLine;
using testing::ReadBytes;
using testing::TempDir;

TEST(WritePuzzleLine, ReplaceThenAppendWritesCrLfLines) {
    TempDir dir;
    auto board = BuiltBoard();
    PlacePuzzleLine(board.layout, board.puzzle, kSampleLine);
    const auto file = dir.Write("out.txt", "old contents\r\n");
    ASSERT_TRUE(WritePuzzleLine(board.layout, board.puzzle, file, WriteMode::Replace));
    EXPECT_EQ(ReadBytes(file), std::string(kSampleLine) + "\r\n");
    ASSERT_TRUE(WritePuzzleLine(board.layout, board.puzzle, file, WriteMode::Append));
    EXPECT_EQ(ReadBytes(file),
              std::string(kSampleLine) + "\r\n" + std::string(kSampleLine) + "\r\n");
    EXPECT_FALSE(std::filesystem::exists(file + ".part"));

    // Whatever ends the last line (nothing, a lone CR, LF, CR LF), the new puzzle is the
    // very next line: it neither joins the last line nor leaves an empty one between.
    for (const std::string ending : {"", "\r", "\n", "\r\n"}) {
        const auto open = dir.Write("open.txt", "abc" + ending);
        ASSERT_TRUE(WritePuzzleLine(board.layout, board.puzzle, open, WriteMode::Append));
        EXPECT_EQ(ReadBytes(open).substr(3),
                  (ending.empty() ? "\r\n" : ending) + std::string(kSampleLine) + "\r\n");
        EXPECT_EQ(CountPuzzles(open), 2) << "ending " << ending.size();
        CurrentPuzzle current;
        current.PuzzleCount = 2;
        int err = 0, number = 2;
        LoadPuzzle(board.layout, board.puzzle, current, open, number, err);
        EXPECT_EQ(PuzzleLine(board.layout, board.puzzle), kSampleLine) << ending.size();
    }
    // A missing file is made; an empty board writes an empty line.
    auto empty = BuiltBoard();
    ASSERT_TRUE(
        WritePuzzleLine(empty.layout, empty.puzzle, dir.File("new.txt"), WriteMode::Append));
    EXPECT_EQ(ReadBytes(dir.File("new.txt")), "\r\n");
}

// A write that cannot be done in full leaves every file as it was, even for root: a half
// written line is taken back, a missing folder, a read-only file and a FIFO are refused.
TEST(WritePuzzleLine, ThatFailsLeavesTheFileAsItWas) {
    TempDir dir;
    auto board = BuiltBoard();
    PlacePuzzleLine(board.layout, board.puzzle, kSampleLine);
    const auto full = dir.Write("full.txt", "keep me\r\n");
    const auto readOnly = dir.Write("read-only.txt", "keep\r\n");
    std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read);
    const auto fifo = dir.File("fifo.txt");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    for (WriteMode mode : {WriteMode::Append, WriteMode::Replace}) {
        for (const auto& file : {dir.File("no/such/folder/p.txt"), readOnly, fifo})
            EXPECT_FALSE(WritePuzzleLine(board.layout, board.puzzle, file, mode)) << file;
        const FileSizeLimit limit(20);
        EXPECT_FALSE(WritePuzzleLine(board.layout, board.puzzle, full, mode));
        EXPECT_FALSE(WritePuzzleLine(board.layout, board.puzzle, dir.File("fresh.txt"), mode));
    }
    EXPECT_EQ(ReadBytes(full), "keep me\r\n");
    EXPECT_EQ(ReadBytes(readOnly), "keep\r\n");
    EXPECT_EQ(testing::FileNames(dir.path()),
              (std::set<std::string>{"full.txt", "read-only.txt", "fifo.txt"}));
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
