#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <set>
#include <sstream>

#include "support/temp_dir.h"
#include "tools/tool_commands.h"

namespace lumeta {
namespace {

using testing::ReadBytes;
using testing::TempDir;

struct ToolRun {
    int status;
    std::string out, err;
};

ToolRun Tools(const ToolArgs& args) {
    std::ostringstream out, err;
    const int status = RunTool(args, out, err);
    return {status, out.str(), err.str()};
}

std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// Runs a command with the working folder set to `dir`, where the default files lie.
ToolRun RunIn(const TempDir& dir, const ToolArgs& args) {
    const auto before = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    const ToolRun run = Tools(args);
    std::filesystem::current_path(before);
    return run;
}

TEST(CreateCommand, PrintsNDistinctPuzzlesThatASeedReproduces) {
    const ToolRun run = Tools({"create", "5", "--seed", "3"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = LinesOf(run.out);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(std::set<std::string>(lines.begin(), lines.end()).size(), 5u);
    for (const std::string& line : lines)
        EXPECT_EQ(line.size(), 42u);
    EXPECT_EQ(Tools({"create", "--seed", "3", "5"}).out, run.out);
    EXPECT_NE(Tools({"create", "5", "--seed", "4"}).out, run.out);
    EXPECT_EQ(LinesOf(Tools({"create"}).out).size(), 1u);
}

TEST(CreateCommand, WritesAPuzzleFileWithCrLfLineEnds) {
    TempDir dir;
    const ToolRun run = Tools({"create", "3", "--out", dir.File("new.txt"), "--seed", "3"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    const std::string bytes = ReadBytes(dir.File("new.txt"));
    EXPECT_EQ(bytes.size(), 3u * 44u);
    EXPECT_EQ(bytes.substr(42, 2), "\r\n");
    EXPECT_EQ(LinesOf(bytes), LinesOf(Tools({"create", "3", "--seed", "3"}).out));
}

TEST(CreateCommand, RejectsBadArgumentsWithAUsageError) {
    for (const ToolArgs& args : std::vector<ToolArgs>{{"create", "0"},
                                                      {"create", "x"},
                                                      {"create", "2", "3"},
                                                      {"create", "--seed"},
                                                      {"create", "--seed", "-1"},
                                                      {"create", "--colour", "red"}}) {
        const ToolRun run = Tools(args);
        EXPECT_EQ(run.status, 2) << args.back();
        EXPECT_NE(run.err.find("lumeta-tools create: "), std::string::npos) << run.err;
    }
}

TEST(CreateCommand, FailsWhenTheOutputCannotBeWritten) {
    TempDir dir;
    const ToolRun run = Tools({"create", "--out", dir.File("missing/new.txt")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("cannot write"), std::string::npos) << run.err;
}

TEST(CheckCommand, PassesMadePuzzlesWithItsSummary) {
    TempDir dir;
    ASSERT_EQ(Tools({"create", "20", "--out", dir.File("p.txt")}).status, 0);
    const ToolRun run = Tools({"check", dir.File("p.txt")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "20 lines, 20 valid, 20 unique, 20 distinct\n");
}

TEST(CheckCommand, FailsNamingTheFirstBadLines) {
    TempDir dir;
    const std::string good = LinesOf(Tools({"create", "1", "--seed", "1"}).out)[0];
    std::string broken = good;
    broken[0] = broken[1];
    const std::string file =
        dir.Write("p.txt", good + "\r\n" + good + "\r\nhello\r\n" + broken + "\r\n");
    const ToolRun run = Tools({"check", file});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "4 lines, 2 valid, 2 unique, 3 distinct\n");
    EXPECT_NE(run.err.find("line 3: has 5 characters, not 42"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("line 4: hexagon 1 does not hold 1..6 once each"), std::string::npos);
}

TEST(CheckCommand, FailsOnAMissingOrEmptyFile) {
    TempDir dir;
    EXPECT_EQ(Tools({"check", dir.File("none.txt")}).err,
              "lumeta-tools check: no such file: " + dir.File("none.txt") + "\n");
    const std::string empty = dir.Write("empty.txt", "");
    const ToolRun run = Tools({"check", empty});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("does not appear to have any puzzles"), std::string::npos);
    EXPECT_EQ(Tools({"check"}).status, 2);
}

TEST(CheckCommand, PassesTheShippedCollection) {
    const ToolRun run = Tools({"check", std::string(LUMETA_DATA_DIR) + "/puzzles.txt"});
    ASSERT_EQ(run.status, 0) << run.err;
    long long lines = 0, valid = 0, unique = 0, distinct = 0;
    ASSERT_EQ(std::sscanf(run.out.c_str(), "%lld lines, %lld valid, %lld unique, %lld distinct",
                          &lines, &valid, &unique, &distinct),
              4)
        << run.out;
    EXPECT_GE(lines, 1000);
    EXPECT_EQ(valid, lines);
    EXPECT_EQ(unique, lines);
    EXPECT_EQ(distinct, lines);
}

TEST(RandomizeCommand, PrintsTheOutputPathFollowedByRandomized) {
    TempDir dir;
    const std::string file = dir.Write("p.txt", "b\r\na\r\nb\r\nc\r\n");
    const ToolRun run = Tools({"randomize", file, "--seed", "1"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, dir.File("p-noduprandom.txt") + " randomized\n");
    std::vector<std::string> lines = LinesOf(ReadBytes(dir.File("p-noduprandom.txt")));
    std::sort(lines.begin(), lines.end());
    EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "c"}));
}

TEST(RandomizeCommand, FailsClearlyOnAMissingFile) {
    TempDir dir;
    const ToolRun run = Tools({"randomize", dir.File("none.txt")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "lumeta-tools randomize: no such file: " + dir.File("none.txt") + "\n");
    EXPECT_EQ(Tools({"randomize"}).status, 2);
}

TEST(CreateMultiCommand, UsesTheDefaultFilesOfTheWorkingFolderAndSaysTheCollectionIsMissing) {
    TempDir dir;
    const ToolRun run = RunIn(dir, {"create-multi", "--count", "4", "--seed", "2"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err,
              "lumeta-tools create-multi: no such file: puzmulti20sepd.txt; the run starts from an "
              "empty collection\n");
    EXPECT_EQ(run.out,
              "4 runs against 0 known puzzles: 4 new, 0 repeats, written to puzmulti21sepA.txt\n");
    EXPECT_EQ(LinesOf(ReadBytes(dir.File("puzmulti21sepA.txt"))).size(), 4u);
}

TEST(CreateMultiCommand, CountsThePuzzlesOfTheCollectionAsRepeats) {
    TempDir dir;
    ASSERT_EQ(Tools({"create", "6", "--seed", "5", "--out", dir.File("known.txt")}).status, 0);
    // The batch tool deals puzzles one at a time like create, so the same seed makes
    // the same six puzzles.
    const ToolRun run = Tools({"create-multi", "--existing", dir.File("known.txt"), "--out",
                               dir.File("new.txt"), "--count", "6", "--seed", "5"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_NE(run.out.find("6 runs against 6 known puzzles: 0 new, 6 repeats"), std::string::npos)
        << run.out;
    EXPECT_EQ(ReadBytes(dir.File("new.txt")), "");
}

TEST(CreateMultiCommand, FailsWithoutAFileWhenTheOutputCannotBeWritten) {
    TempDir dir;
    const ToolRun run = Tools({"create-multi", "--count", "2", "--existing", dir.File("k.txt"),
                               "--out", dir.File("missing/new.txt")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("cannot write " + dir.File("missing/new.txt")), std::string::npos)
        << run.err;
    EXPECT_EQ(Tools({"create-multi", "--count", "0"}).status, 2);
    EXPECT_EQ(Tools({"create-multi", "extra"}).status, 2);
}

TEST(GeneratorCommands, EachExplainsItselfWithHelp) {
    for (const char* name : {"create", "create-multi", "randomize", "check"}) {
        const ToolRun run = Tools({name, "--help"});
        EXPECT_EQ(run.status, 0) << name;
        EXPECT_EQ(run.out.rfind(std::string("Usage: lumeta-tools ") + name, 0), 0u) << run.out;
    }
}

}  // namespace
}  // namespace lumeta
