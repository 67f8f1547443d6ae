#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include <map>
#include <set>

#include "generator/batch_create.h"
#include "generator/dedupe_shuffle.h"
#include "generator/puzzle_check.h"
#include "generator/text_lines.h"
#include "generator/whole_file.h"
#include "support/board_fixture.h"
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

// check reads its file in blocks and proves a repeated line once: its counts must be those
// of the whole text cut into lines, whatever falls on a block boundary (a CR LF split by
// it, a line across it), with letter case ignored and lines of digits of any length kept
// apart from one another.
TEST(CheckPuzzleFile, CountsAsTheWholeTextCutIntoLinesWhateverFallsOnTheReadBlocks) {
    TempDir dir;
    const std::string good(testing::kSampleLine), bad = good.substr(1) + "1";
    std::string text;
    RandomSource random = RandomSource::Fixed(4);
    const std::string pieces[] = {good, bad, "12", "2", "123", "", "Ab", "aB", "61", "x\x9b"};
    const std::string ends[] = {"\r\n", "\n", "\r"};
    for (std::size_t boundary = 1 << 20; text.size() < (5u << 19);) {
        if (text.size() + 50 > boundary) {  // a CR LF split by the block boundary
            text.append(boundary - 1 - text.size(), '7');
            text += "\r\n";
            boundary += 1 << 20;
        }
        text += pieces[random.Draw(10) - 1] + ends[random.Draw(3) - 1];
    }
    text += std::string(3000, '5') + "\r";
    const std::string file = dir.Write("mixed.txt", text);

    BoardLayout layout;
    PuzzleState puzzle;
    BuildBoard(layout, puzzle);
    FileCheck expected;
    std::set<std::string> folded;
    std::map<std::string, LineCheck, std::less<>> verdicts;
    ForEachLine(text, [&](std::string_view line) {
        ++expected.lines;
        expected.distinct += folded.insert(FoldCase(line)).second;
        auto known = verdicts.find(line);
        if (known == verdicts.end())
            known = verdicts.emplace(line, CheckPuzzleLine(layout, line)).first;
        expected.valid += known->second.valid;
        expected.unique += known->second.unique;
        if (known->second.unique) return;
        ++expected.bad;
        if (expected.firstBad.size() < 10)
            expected.firstBad.push_back({expected.lines, known->second.problem});
    });
    const FileCheck check = CheckPuzzleFile(layout, file);
    EXPECT_EQ(check.Summary(), expected.Summary());
    EXPECT_EQ(check.bad, expected.bad);
    ASSERT_EQ(check.firstBad.size(), 10u);
    for (std::size_t i = 0; i < 10; ++i)
        EXPECT_EQ(std::tie(check.firstBad[i].number, check.firstBad[i].problem),
                  std::tie(expected.firstBad[i].number, expected.firstBad[i].problem));
}

}  // namespace
}  // namespace lumeta
