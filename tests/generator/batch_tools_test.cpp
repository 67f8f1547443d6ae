#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "generator/batch_create.h"
#include "generator/dedupe_shuffle.h"
#include "support/temp_dir.h"

namespace lumeta {
namespace {

using testing::ReadBytes;
using testing::TempDir;

// Hands out the given lines in turn.
PuzzleMaker Sequence(std::vector<std::string> lines) {
    return [lines = std::move(lines), next = std::size_t{0}]() mutable {
        return lines[next++ % lines.size()];
    };
}

struct BatchRun : ::testing::Test {
    TempDir dir;
    CreateMultiOptions options{dir.File("known.txt"), dir.File("new.txt")};
};

TEST_F(BatchRun, CountsAPuzzleOfTheCollectionAsARepeatWhateverItsLetterCase) {
    dir.Write("known.txt", "111\r\nabc\r\n");
    options.runs = 3;
    const CreateMultiResult result = CreateMulti(options, Sequence({"222", "ABC", "333"}));
    EXPECT_TRUE(result.completed && result.existingRead);
    EXPECT_EQ(std::tuple(result.existingLines, result.newPuzzles, result.repeats, result.message),
              std::tuple(2, 2, 1, "done"));
    EXPECT_EQ(ReadBytes(options.outputFile), "222\r\n333\r\n");
}

TEST_F(BatchRun, FromAMissingCollectionWritesAPuzzleMadeTwiceOnceAndReplacesTheOutput) {
    dir.Write("new.txt", "old line\r\n");
    options.runs = 4;
    std::vector<std::string> titles;
    const CreateMultiResult result = CreateMulti(options, Sequence({"A1", "B2", "A1", "C3"}),
                                                 [&](auto& step) { titles.push_back(step.title); });
    EXPECT_TRUE(result.completed && !result.existingRead);
    EXPECT_EQ(result.notice, "no such file: " + options.existingFile +
                                 "; the run starts from an empty collection");
    EXPECT_EQ(ReadBytes(options.outputFile), "A1\r\nB2\r\nC3\r\n");
    EXPECT_EQ(titles, (std::vector<std::string>{" 1 1 0", " 2 2 0", " 3 2 1", " 4 3 1"}));
}

TEST_F(BatchRun, StopsWithAClearMessageAndNoFileWhenTheOutputCannotBeWritten) {
    options.outputFile = dir.File("no such folder/new.txt");
    const CreateMultiResult result = CreateMulti(options, Sequence({"X"}));
    EXPECT_TRUE(!result.completed && result.runs == 0);  // nothing made in vain
    EXPECT_NE(result.message.find("cannot write " + options.outputFile), std::string::npos)
        << result.message;

    options.outputFile = dir.path().string();  // a folder
    EXPECT_FALSE(CreateMulti(options, Sequence({"X"})).completed);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(NoDupRandomName, ReplacesTheLastExtensionOfTheFileNameOrAppendsToANameWithoutOne) {
    EXPECT_EQ(NoDupRandomName("/home/me/puzzles.txt"), "/home/me/puzzles-noduprandom.txt");
    EXPECT_EQ(NoDupRandomName("set.2024.txt"), "set.2024-noduprandom.txt");
    EXPECT_EQ(NoDupRandomName("puzzles"), "puzzles-noduprandom.txt");
    EXPECT_EQ(NoDupRandomName("my.folder/puzzles"), "my.folder/puzzles-noduprandom.txt");
}

// The lines as the tool must write them with a fixed seed: in order of key, then of line.
std::string KeyOrder(std::uint64_t seed, const std::vector<std::string>& lines) {
    RandomSource random = RandomSource::Fixed(seed);
    std::vector<std::pair<int, std::string>> keyed;
    for (const std::string& line : lines)
        keyed.emplace_back(static_cast<int>(random.DrawUnit() * 99997) + 1, line);
    std::sort(keyed.begin(), keyed.end());
    std::string text;
    for (const auto& [key, line] : keyed)
        text += line + "\r\n";
    return text;
}

TEST(RandomizePuzzleFile, KeepsTheFirstSpellingOfEachLineOnceWithoutKeysAndShowsThePhases) {
    TempDir dir;
    const std::string source = dir.Write("p.txt", "AAA\r\nBBB\r\nCCC\r\nAAA\r\nbbb\r\n");
    RandomSource random = RandomSource::Fixed(1);
    std::vector<std::string> titles;
    const RandomizeResult result =
        RandomizePuzzleFile(source, random, [&](const std::string& t) { titles.push_back(t); });
    EXPECT_EQ(result.message, dir.File("p-noduprandom.txt") + " randomized");
    EXPECT_EQ(ReadBytes(result.output), KeyOrder(1, {"AAA", "BBB", "CCC"}));
    EXPECT_EQ(titles, (std::vector<std::string>{"source 1 1 0", "source 2 2 0", "source 3 3 0",
                                                "source 5 3 2", "no dup 1", "no dup 2", "no dup 3",
                                                "random 1", "random 2", "random 3"}));
}

// 40,000 lines in descending order: past the old list control's 32,767, many keys tie.
TEST(RandomizePuzzleFile, OrdersEveryLineOfALongFileByItsRandomKeyAndThenByTheLine) {
    TempDir dir;
    std::vector<std::string> lines;
    std::string text;
    for (int i = 0; i < 40000; ++i)
        text += lines.emplace_back(std::to_string(139999 - i)) + "\r\n";
    const std::string source = dir.Write("long.txt", text),
                      output = dir.File("long-noduprandom.txt");
    RandomSource random = RandomSource::Fixed(1);
    ASSERT_TRUE(RandomizePuzzleFile(source, random).ok);
    const std::string once = ReadBytes(output);
    EXPECT_TRUE(once == KeyOrder(1, lines));
    random = RandomSource::Fixed(2);
    ASSERT_TRUE(RandomizePuzzleFile(source, random).ok);
    EXPECT_NE(ReadBytes(output), once);
}

}  // namespace
}  // namespace lumeta
