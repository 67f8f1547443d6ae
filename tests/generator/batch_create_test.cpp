#include "generator/batch_create.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "support/temp_dir.h"

namespace lumeta {
namespace {

using testing::ReadBytes;
using testing::TempDir;

// Hands out the given lines in turn.
PuzzleMaker Sequence(std::vector<std::string> lines) {
    auto next = std::make_shared<std::size_t>(0);
    return [lines = std::move(lines), next] { return lines[(*next)++ % lines.size()]; };
}

struct BatchRun : ::testing::Test {
    TempDir dir;
    CreateMultiOptions options;
    std::vector<std::string> titles;
    CreateMultiProgressFn record = [this](const CreateMultiProgress& step) {
        titles.push_back(step.title);
    };

    BatchRun() {
        options.existingFile = dir.File("known.txt");
        options.outputFile = dir.File("new.txt");
    }
};

TEST_F(BatchRun, HasTheNamesAndTheRunCountOfTheMaintenanceToolAsDefaults) {
    const CreateMultiOptions defaults;
    EXPECT_EQ(defaults.existingFile, "puzmulti20sepd.txt");
    EXPECT_EQ(defaults.outputFile, "puzmulti21sepA.txt");
    EXPECT_EQ(defaults.runs, 32000);
}

TEST_F(BatchRun, CountsAPuzzleOfTheCollectionAsARepeatWhateverItsLetterCase) {
    dir.Write("known.txt", "111\r\nabc\r\n");
    options.runs = 3;
    const CreateMultiResult result = CreateMulti(options, Sequence({"222", "ABC", "333"}), record);
    EXPECT_TRUE(result.completed);
    EXPECT_TRUE(result.existingRead);
    EXPECT_EQ(result.existingLines, 2);
    EXPECT_EQ(result.newPuzzles, 2);
    EXPECT_EQ(result.repeats, 1);
    EXPECT_EQ(ReadBytes(options.outputFile), "222\r\n333\r\n");
    EXPECT_EQ(result.message, "done");
}

TEST_F(BatchRun, WritesAPuzzleMadeTwiceInOneRunOnceAndShowsRunNewAndRepeats) {
    dir.Write("known.txt", "");
    options.runs = 4;
    const CreateMultiResult result =
        CreateMulti(options, Sequence({"A1", "B2", "A1", "C3"}), record);
    EXPECT_EQ(ReadBytes(options.outputFile), "A1\r\nB2\r\nC3\r\n");
    EXPECT_EQ(titles, (std::vector<std::string>{" 1 1 0", " 2 2 0", " 3 2 1", " 4 3 1"}));
    EXPECT_EQ(result.newPuzzles + result.repeats, 4);
}

TEST_F(BatchRun, ReplacesTheOutputFileInsteadOfAppendingToIt) {
    dir.Write("new.txt", "old line\r\n");
    options.runs = 2;
    CreateMulti(options, Sequence({"X", "Y"}));
    EXPECT_EQ(ReadBytes(options.outputFile), "X\r\nY\r\n");
}

TEST_F(BatchRun, TakesAMissingCollectionAsEmptyAndSaysSo) {
    options.runs = 2;
    const CreateMultiResult result = CreateMulti(options, Sequence({"X", "Y"}));
    EXPECT_TRUE(result.completed);
    EXPECT_FALSE(result.existingRead);
    EXPECT_EQ(result.notice, "no such file: " + options.existingFile +
                                 "; the run starts from an empty collection");
    EXPECT_EQ(ReadBytes(options.outputFile), "X\r\nY\r\n");
}

TEST_F(BatchRun, StopsWithAClearMessageAndNoFileWhenTheOutputCannotBeWritten) {
    options.outputFile = dir.File("no such folder/new.txt");
    int made = 0;
    const CreateMultiResult result = CreateMulti(options, [&] {
        ++made;
        return std::string("X");
    });
    EXPECT_FALSE(result.completed);
    EXPECT_EQ(made, 0);
    EXPECT_NE(result.message.find("cannot write " + options.outputFile), std::string::npos)
        << result.message;

    options.outputFile = dir.path().string();  // a folder
    EXPECT_FALSE(CreateMulti(options, Sequence({"X"})).completed);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              0);
}

TEST_F(BatchRun, WithTheGeneratorFindsEveryPuzzleOfAnEarlierRunWithTheSameSeedKnown) {
    options.runs = 30;
    BoardLayout layout;
    PuzzleState puzzle;
    DigitPerm perm;
    RandomSource random = RandomSource::Fixed(12);
    const CreateMultiResult first = CreateMulti(options, layout, puzzle, perm, random);
    ASSERT_TRUE(first.completed);
    EXPECT_EQ(first.newPuzzles, 30);
    EXPECT_EQ(PuzzleLine(layout, puzzle), ReadBytes(options.outputFile).substr(29 * 44, 42));

    std::filesystem::rename(options.outputFile, options.existingFile);
    DigitPerm freshPerm;
    RandomSource sameSeed = RandomSource::Fixed(12);
    const CreateMultiResult second = CreateMulti(options, layout, puzzle, freshPerm, sameSeed);
    EXPECT_EQ(second.newPuzzles, 0);
    EXPECT_EQ(second.repeats, 30);
    EXPECT_EQ(ReadBytes(options.outputFile), "");
}

}  // namespace
}  // namespace lumeta
