#include "generator/dedupe_shuffle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "generator/text_lines.h"
#include "support/temp_dir.h"

namespace lumeta {
namespace {

using testing::ReadBytes;
using testing::TempDir;

std::vector<std::string> Lines(const std::string& path) {
    const TextLines file = ReadTextLines(path);
    return {file.lines.begin(), file.lines.end()};
}

TEST(NoDupRandomName, ReplacesTheLastExtensionOfTheFileName) {
    EXPECT_EQ(NoDupRandomName("puzzles.txt"), "puzzles-noduprandom.txt");
    EXPECT_EQ(NoDupRandomName("/home/me/puzzles.txt"), "/home/me/puzzles-noduprandom.txt");
    EXPECT_EQ(NoDupRandomName("set.2024.txt"), "set.2024-noduprandom.txt");
}

TEST(NoDupRandomName, AppendsToANameWithoutADotEvenInADottedFolder) {
    EXPECT_EQ(NoDupRandomName("puzzles"), "puzzles-noduprandom.txt");
    EXPECT_EQ(NoDupRandomName("my.folder/puzzles"), "my.folder/puzzles-noduprandom.txt");
}

TEST(RandomizePuzzleFile, KeepsEachDistinctLineOnceAndShowsThePhases) {
    TempDir dir;
    const std::string source = dir.Write("p.txt", "AAA\r\nBBB\r\nAAA\r\nBBB\r\nCCC\r\n");
    RandomSource random = RandomSource::Fixed(1);
    std::vector<std::string> titles;
    const RandomizeResult result =
        RandomizePuzzleFile(source, random, [&](const std::string& t) { titles.push_back(t); });
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_EQ(result.output, dir.File("p-noduprandom.txt"));
    EXPECT_EQ(result.message, result.output + " randomized");

    std::vector<std::string> lines = Lines(result.output);
    std::sort(lines.begin(), lines.end());
    EXPECT_EQ(lines, (std::vector<std::string>{"AAA", "BBB", "CCC"}));
    EXPECT_EQ(ReadBytes(result.output).size(), 3u * 5u);  // three lines ending in CR LF, no keys

    const std::vector<std::string> expected = {"source 1 1 0", "source 2 2 0", "source 5 3 2",
                                               "no dup 1",     "no dup 2",     "no dup 3",
                                               "random 1",     "random 2",     "random 3"};
    EXPECT_EQ(titles, expected);
}

TEST(RandomizePuzzleFile, ShowsTheFinalCountsWhenTheLastLineRepeats) {
    TempDir dir;
    const std::string source = dir.Write("p.txt", "A\nB\nC\nA\nB\n");
    RandomSource random = RandomSource::Fixed(1);
    std::vector<std::string> titles;
    RandomizePuzzleFile(source, random, [&](const std::string& t) { titles.push_back(t); });
    EXPECT_EQ(titles[3], "source 5 3 2");
}

TEST(RandomizePuzzleFile, TreatsLinesDifferingOnlyInLetterCaseAsOneAndKeepsTheFirst) {
    TempDir dir;
    const std::string source = dir.Write("p.txt", "abc\r\nABC\r\nAbC\r\n");
    RandomSource random = RandomSource::Fixed(1);
    const RandomizeResult result = RandomizePuzzleFile(source, random);
    EXPECT_EQ(result.kept, 1);
    EXPECT_EQ(ReadBytes(result.output), "abc\r\n");
}

TEST(RandomizePuzzleFile, ShufflesEveryLineOfALongFileAndTwoRunsDiffer) {
    TempDir dir;
    std::string text;
    for (int i = 0; i < 40000; ++i)
        text += std::to_string(100000 + i) + "\r\n";
    const std::string source = dir.Write("long.txt", text);

    RandomSource first = RandomSource::Fixed(1);
    ASSERT_TRUE(RandomizePuzzleFile(source, first).ok);
    const std::vector<std::string> once = Lines(dir.File("long-noduprandom.txt"));
    RandomSource second = RandomSource::Fixed(2);
    ASSERT_TRUE(RandomizePuzzleFile(source, second).ok);
    const std::vector<std::string> twice = Lines(dir.File("long-noduprandom.txt"));

    EXPECT_EQ(once.size(), 40000u);
    EXPECT_EQ(std::set<std::string>(once.begin(), once.end()).size(), 40000u);
    EXPECT_EQ(*std::min_element(once.begin(), once.end()), "100000");
    EXPECT_EQ(*std::max_element(once.begin(), once.end()), "139999");
    EXPECT_NE(once, twice);
    std::vector<std::string> sorted = once;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_NE(once, sorted);
}

TEST(RandomizePuzzleFile, GivesAClearMessageForAMissingOrEmptySourceAndWritesNothing) {
    TempDir dir;
    RandomSource random = RandomSource::Fixed(1);
    const RandomizeResult missing = RandomizePuzzleFile(dir.File("none.txt"), random);
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.message, "no such file: " + dir.File("none.txt"));

    const std::string empty = dir.Write("empty.txt", "");
    const RandomizeResult result = RandomizePuzzleFile(empty, random);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, empty + " is empty: there are no lines to randomize");
    EXPECT_FALSE(std::filesystem::exists(dir.File("empty-noduprandom.txt")));
    EXPECT_FALSE(std::filesystem::exists(dir.File("none-noduprandom.txt")));
}

}  // namespace
}  // namespace lumeta
