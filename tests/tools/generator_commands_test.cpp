#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "support/board_fixture.h"
#include "support/temp_dir.h"
#include "tools/tool_commands.h"
#include "tools/tool_run.h"

namespace lumeta {
namespace {

using testing::ReadBytes;
using testing::TempDir;

TEST(CreateCommand, PrintsOrWritesNPuzzlesThatASeedReproduces) {
    const ToolRun run = Tools({"create", "5", "--seed", "3"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.size(), 5u * 43u);  // 42 digits a line
    std::string crlf = run.out;
    for (std::size_t at = 0; (at = crlf.find('\n', at)) != std::string::npos; at += 2)
        crlf.insert(at, "\r");
    EXPECT_EQ(Tools({"create", "--seed", "3", "5"}).out, run.out);
    EXPECT_NE(Tools({"create", "5", "--seed", "4"}).out, run.out);
    EXPECT_EQ(Tools({"create"}).out.size(), 43u);

    TempDir dir;
    EXPECT_EQ(Tools({"create", "5", "--out", dir.File("p.txt"), "--seed", "3"}).out, "");
    EXPECT_EQ(ReadBytes(dir.File("p.txt")), crlf);
}

// The file's SHA-256 as coreutils' sha256sum prints it.
std::string Sha256(const std::string& path) {
    std::FILE* pipe = popen(("sha256sum '" + path + "'").c_str(), "r");
    if (!pipe) return "sha256sum did not start";
    char digest[65] = {};
    const std::size_t got = std::fread(digest, 1, 64, pipe);
    pclose(pipe);
    return std::string(digest, got);
}

// Speeding up the generator must not change a single puzzle it makes.
TEST(CreateCommand, WritesForSeed1TheSameFileAsEverBefore) {
    TempDir dir;
    const ToolRun run = Tools({"create", "5000", "--seed", "1", "--out", dir.File("p.txt")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Sha256(dir.File("p.txt")),
              "94b43116d432deaeda292829ed83ba72bb711257edba2c162da9f0443ff2f94d");
}

TEST(GeneratorCommands, AnswerWithTheirResultOrAClearErrorAndTheExitStatus) {
    TempDir dir;
    const std::string none = dir.File("none.txt"), unwritable = dir.File("missing/new.txt");
    const std::string empty = dir.Write("empty.txt", "");
    // A made puzzle twice; a short line, a digit twice, clues not unique, a 7, a sum of 5.
    const std::string good = Tools({"create", "1", "--seed", "1"}).out.substr(0, 42);
    std::string line(testing::kSampleLine), sum5 = line;
    std::swap(sum5[1], sum5[6]);  // an outer side and one that touches hexagon 2
    const std::string mixed = dir.Write(
        "mixed.txt", good + "\r\n" + good + "\r\nhello\r\n" + line[1] + line.substr(1) + "\r\n" +
                         line + "\r\n" + line.substr(0, 4) + "7" + line.substr(5) + "\r\n" + sum5);
    const std::string plain = dir.Write("p.txt", "b\r\na\r\nb\r\nc\r\n");
    const struct {
        ToolArgs args;
        int status;
        std::string out, err;  // err: a part of it
    } cases[] = {
        {{"create", "0"}, 2, "", "lumeta-tools create: N must be"},
        {{"create", "2", "3"}, 2, "", "lumeta-tools create: expects at most one N"},
        {{"create", "--seed"}, 2, "", "lumeta-tools create: --seed needs a value"},
        {{"create", "--seed", "-1"}, 2, "", "lumeta-tools create: --seed must be"},
        {{"create", "--colour", "red"}, 2, "", "lumeta-tools create: unknown option --colour"},
        {{"create", "--out", unwritable}, 1, "", "cannot write " + unwritable},
        {{"create-multi", "--count", "0"}, 2, "", "--count must be"},
        {{"create-multi", "extra"}, 2, "", "unexpected argument extra"},
        {{"create-multi", "--existing", none, "--out", unwritable}, 1, "", "cannot write"},
        {{"randomize"}, 2, "", "expects exactly one FILE"},
        {{"randomize", none}, 1, "", "lumeta-tools randomize: no such file: " + none + "\n"},
        {{"randomize", empty}, 1, "", empty + " is empty: there are no lines to randomize"},
        {{"randomize", plain}, 0, dir.File("p-noduprandom.txt") + " randomized\n", ""},
        {{"check"}, 2, "", "expects exactly one FILE"},
        {{"check", none}, 1, "", "lumeta-tools check: no such file: " + none + "\n"},
        {{"check", empty}, 1, "", empty + " does not appear to have any puzzles"},
        {{"check", mixed},
         1,
         "7 lines, 3 valid, 2 unique, 6 distinct\n"
         "Grades: Easy 0, Medium 2, Hard 0, Expert 0; 0 lines with a view field\n",
         "lumeta-tools check: 5 bad lines; the first:\n"
         "  line 3: has 5 characters, not 42, 60, 84 or 114\n"
         "  line 4: hexagon 1 does not hold 1..6 once each\n"
         "  line 5: its clues have more than one solution\n"
         "  line 6: character 5 is not a digit 1..6\n"
         "  line 7: hexagon 1 side 6 and hexagon 2 side 3 add up to 5, not 7\n"},
    };
    for (const auto& c : cases) {
        const ToolRun run = Tools(c.args);
        EXPECT_EQ(run.status, c.status) << c.err;
        EXPECT_EQ(run.out, c.out) << c.err;
        EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
    }
    EXPECT_EQ(ReadBytes(dir.File("p-noduprandom.txt")).size(), 9u);  // a, b and c
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 4);
}

TEST(GeneratorCommands, RefuseAnOutputThatIsTheirOwnInputHoweverItIsSpelled) {
    TempDir dir;
    std::string fifty;
    for (int n = 0; n < 50; ++n)
        fifty += Tools({"create", "1", "--seed", std::to_string(n)}).out.substr(0, 42) + "\r\n";
    const auto collection = dir.Write("coll.txt", fifty);
    std::filesystem::create_directory(dir.path() / "sub");
    const ToolRun multi = Tools({"create-multi", "--existing", collection, "--out",
                                 dir.File("sub/../coll.txt"), "--count", "3"});
    EXPECT_EQ(multi.status, 1);
    EXPECT_NE(multi.err.find("is the collection " + collection + " itself; nothing was written"),
              std::string::npos)
        << multi.err;

    // The randomized copy's name already leads to the input, here by a second hard link.
    std::filesystem::create_hard_link(collection, dir.File("coll-noduprandom.txt"));
    const ToolRun randomize = Tools({"randomize", collection});
    EXPECT_EQ(randomize.status, 1);
    EXPECT_NE(randomize.err.find("itself; nothing was written"), std::string::npos)
        << randomize.err;
    EXPECT_EQ(ReadBytes(collection), fifty);
}

TEST(CheckCommand, PassesTheShippedCollection) {
    const std::string path = std::string(LUMETA_DATA_DIR) + "/puzzles.txt", bytes = ReadBytes(path);
    const std::string n = std::to_string(std::count(bytes.begin(), bytes.end(), '\n'));
    EXPECT_GE(std::stoi(n), 1000);
    const ToolRun run = Tools({"check", path});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, run.out.find('\n') + 1),
              n + " lines, " + n + " valid, " + n + " unique, " + n + " distinct\n");
}

// Runs in a fresh working folder, where the default files lie. The batch tool deals
// puzzles one at a time like create: the same seed makes the same ones again.
TEST(CreateMultiCommand, UsesTheDefaultFilesAndCountsTheCollectionsPuzzlesAsRepeats) {
    TempDir dir;
    const auto before = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    const ToolRun first = Tools({"create-multi", "--count", "4", "--seed", "2"});
    std::filesystem::rename("puzmulti21sepA.txt", "known.txt");
    const ToolRun again =
        Tools({"create-multi", "--existing", "known.txt", "--count", "4", "--seed", "2"});
    std::filesystem::current_path(before);
    EXPECT_EQ(first.err,
              "lumeta-tools create-multi: no such file: puzmulti20sepd.txt; the run starts from an "
              "empty collection\n");
    EXPECT_EQ(first.out,
              "4 runs against 0 known puzzles: 4 new, 0 repeats, written to puzmulti21sepA.txt\n");
    EXPECT_EQ(again.out,
              "4 runs against 4 known puzzles: 0 new, 4 repeats, written to puzmulti21sepA.txt\n");
    EXPECT_EQ(ReadBytes(dir.File("puzmulti21sepA.txt")), "");
    EXPECT_EQ(first.status + again.status, 0);
}

}  // namespace
}  // namespace lumeta
