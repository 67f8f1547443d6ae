#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <csignal>
#include <filesystem>

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
}

TEST(WritePuzzleLine, AppendCreatesAMissingFileAndAnEmptyBoardWritesAnEmptyLine) {
    TempDir dir;
    auto board = BuiltBoard();
    const auto file = dir.File("new.txt");
    ASSERT_TRUE(WritePuzzleLine(board.layout, board.puzzle, file, WriteMode::Append));
    EXPECT_EQ(ReadBytes(file), "\r\n");
    EXPECT_EQ(CountPuzzles(file), 1);
}

TEST(WritePuzzleLine, WhatIsWrittenForLineNIsLineN) {
    TempDir dir;
    std::string bytes;
    std::string lines[3] = {std::string(kSampleLine), std::string(kSampleLine),
                            std::string(kSampleLine)};
    std::swap(lines[1][0], lines[1][1]);
    std::swap(lines[2][0], lines[2][2]);
    for (const auto& line : lines)
        bytes += line + "\n";
    const auto source = dir.Write("source.txt", bytes);
    auto board = BuiltBoard();
    CurrentPuzzle current;
    current.PuzzleCount = CountPuzzles(source);
    const auto copy = dir.File("copy.txt");
    for (int n = 1; n <= 3; ++n) {
        int err = 0, number = n;
        ASSERT_TRUE(LoadPuzzle(board.layout, board.puzzle, current, source, number, err).loaded());
        ASSERT_TRUE(WritePuzzleLine(board.layout, board.puzzle, copy, WriteMode::Append));
    }
    EXPECT_EQ(ReadBytes(copy), lines[0] + "\r\n" + lines[1] + "\r\n" + lines[2] + "\r\n");
}

TEST(WritePuzzleLine, TakesBackAHalfWrittenLineWhenTheDiskRefusesTheRest) {
    TempDir dir;
    auto board = BuiltBoard();
    PlacePuzzleLine(board.layout, board.puzzle, kSampleLine);
    const auto file = dir.Write("full.txt", "keep me\r\n");
    const auto fresh = dir.File("fresh.txt");
    {
        const FileSizeLimit limit(20);
        EXPECT_FALSE(WritePuzzleLine(board.layout, board.puzzle, file, WriteMode::Append));
        EXPECT_FALSE(WritePuzzleLine(board.layout, board.puzzle, fresh, WriteMode::Append));
        EXPECT_FALSE(WritePuzzleLine(board.layout, board.puzzle, file, WriteMode::Replace));
    }
    EXPECT_EQ(ReadBytes(file), "keep me\r\n");
    EXPECT_FALSE(std::filesystem::exists(fresh));
    EXPECT_FALSE(std::filesystem::exists(file + ".part"));
}

TEST(WritePuzzleLine, RefusesAMissingFolderAReadOnlyFileAndAFifoEvenAsRoot) {
    TempDir dir;
    auto board = BuiltBoard();
    const auto missing = dir.File("no/such/folder/p.txt");
    EXPECT_FALSE(WritePuzzleLine(board.layout, board.puzzle, missing, WriteMode::Append));
    EXPECT_FALSE(WritePuzzleLine(board.layout, board.puzzle, missing, WriteMode::Replace));
    // Root could write the read-only file; the permission bits still decide, as they do
    // for every replacing write. A FIFO is refused without waiting for a reader.
    const auto readOnly = dir.Write("read-only.txt", "keep\r\n");
    std::filesystem::permissions(
        readOnly, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
    const auto fifo = dir.File("fifo.txt");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    for (const auto& file : {readOnly, fifo})
        for (WriteMode mode : {WriteMode::Append, WriteMode::Replace})
            EXPECT_FALSE(WritePuzzleLine(board.layout, board.puzzle, file, mode)) << file;
    EXPECT_EQ(ReadBytes(readOnly), "keep\r\n");
}

TEST(AddDefaultExtension, AddsTheExtensionOnlyToANameWithoutAnyDot) {
    std::string plain = "/home/ann/mine";
    AddDefaultExtension(plain, "txt");
    EXPECT_EQ(plain, "/home/ann/mine.txt");
    std::string dotted = "/home/ann/my.puzzles/mine";
    AddDefaultExtension(dotted, "txt");
    EXPECT_EQ(dotted, "/home/ann/my.puzzles/mine");
    std::string withExtension = "mine.dat";
    AddDefaultExtension(withExtension, "txt");
    EXPECT_EQ(withExtension, "mine.dat");
}

}  // namespace
}  // namespace lumeta
