#include <gtest/gtest.h>

#include <sys/resource.h>
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

    // A last line without its line end keeps its own line.
    const auto open = dir.Write("open.txt", "abc");
    ASSERT_TRUE(WritePuzzleLine(board.layout, board.puzzle, open, WriteMode::Append));
    EXPECT_EQ(ReadBytes(open), "abc\r\n" + std::string(kSampleLine) + "\r\n");
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

TEST(WritePuzzleLine, FailsIntoAFolderThatDoesNotExist) {
    TempDir dir;
    auto board = BuiltBoard();
    const auto file = dir.File("no/such/folder/p.txt");
    EXPECT_FALSE(WritePuzzleLine(board.layout, board.puzzle, file, WriteMode::Append));
    EXPECT_FALSE(WritePuzzleLine(board.layout, board.puzzle, file, WriteMode::Replace));
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
