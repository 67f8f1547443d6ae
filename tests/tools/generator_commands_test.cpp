#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "support/board_fixture.h"
#include "support/temp_dir.h"
#include "tools/tool_run.h"

namespace lumeta {
namespace {

using testing::ReadBytes;
using testing::TempDir;

// A unique puzzle, and a view that shows its outer sides and one inner cell (hexagon 4,
// side 1).
const std::string kSample = "253251614316364362524412541651536134324256";
const std::string kView = "25325.....163..3....44.......153.....24256";

// The file's SHA-256 as coreutils' sha256sum prints it.
std::string Sha256(const std::string& path) {
    std::FILE* pipe = popen(("sha256sum '" + path + "'").c_str(), "r");
    if (!pipe) return "sha256sum did not start";
    char digest[65] = {};
    const std::size_t got = std::fread(digest, 1, 64, pipe);
    pclose(pipe);
    return std::string(digest, got);
}

TEST(CreateCommand, PrintsNPuzzlesThatASeedReproducesAndWritesForSeed1TheSameFileAsEver) {
    const ToolRun run = Tools({"create", "5", "--seed", "3"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.size(), 5u * 43u);  // 42 digits a line
    EXPECT_EQ(Tools({"create", "--seed", "3", "5"}).out, run.out);
    EXPECT_NE(Tools({"create", "5", "--seed", "4"}).out, run.out);
    EXPECT_EQ(Tools({"create"}).out.size(), 43u);
    // Speeding up the generator must not change a single puzzle it makes.
    TempDir dir;
    EXPECT_EQ(Tools({"create", "5000", "--seed", "1", "--out", dir.File("p.txt")}).out, "");
    EXPECT_EQ(Sha256(dir.File("p.txt")),
              "94b43116d432deaeda292829ed83ba72bb711257edba2c162da9f0443ff2f94d");
}

TEST(GeneratorCommands, AnswerWithTheirResultOrAClearErrorAndTheExitStatus) {
    TempDir dir;
    const std::string none = dir.File("none.txt"), unwritable = dir.File("missing/new.txt");
    const std::string empty = dir.Write("empty.txt", "");
    // A made puzzle twice; a short line, a digit twice, clues not unique, a 7, a sum of 5;
    // then a unique puzzle without and with a view, and views too short, with a 7, unlike
    // the solution and showing too little.
    const std::string good = Tools({"create", "1", "--seed", "1"}).out.substr(0, 42);
    std::string line(testing::kSampleLine), sum5 = line;
    std::swap(sum5[1], sum5[6]);  // an outer side and one that touches hexagon 2
    std::string text = good + "\r\n" + good + "\r\nhello\r\n" + line[1] + line.substr(1) + "\r\n" +
                       line + "\r\n" + line.substr(0, 4) + "7" + line.substr(5) + "\r\n" + sum5 +
                       "\r\n";
    for (const std::string& view :
         {std::string(), " " + kView, " " + kView.substr(0, 41), " " + kView.substr(0, 41) + "7",
          " 5" + kView.substr(1), " " + std::string(42, '.')})
        text += kSample + view + "\r\n";
    const std::string mixed = dir.Write("mixed.txt", text);
    const std::string plain = dir.Write("p.txt", "b\r\na\r\nb\r\nc\r\n");
    const struct {
        ToolArgs args;
        int status;
        std::string out, err;  // err: a part of it
    } cases[] = {
        {{"create", "0"}, 2, "", "lumeta-tools create: N must be"},
        {{"create", "--seed"}, 2, "", "lumeta-tools create: --seed needs a value"},
        {{"create", "--seed", "-1"}, 2, "", "lumeta-tools create: --seed must be"},
        {{"create", "--out", unwritable}, 1, "", "cannot write " + unwritable},
        {{"create-multi", "--count", "0"}, 2, "", "--count must be"},
        {{"create-multi", "extra"}, 2, "", "unexpected argument extra"},
        {{"create-multi", "--existing", none, "--out", unwritable}, 1, "", "cannot write"},
        {{"randomize"}, 2, "", "expects exactly one FILE"},
        {{"create", "--grade", "tricky"}, 2, "", "--grade must be easy, medium, hard or expert"},
        {{"randomize", none}, 1, "", "lumeta-tools randomize: no such file: " + none + "\n"},
        {{"randomize", empty}, 1, "", empty + " is empty: there are no lines to randomize"},
        {{"randomize", plain}, 0, dir.File("p-noduprandom.txt") + " randomized\n", ""},
        {{"check", none}, 1, "", "lumeta-tools check: no such file: " + none + "\n"},
        {{"check", empty}, 1, "", empty + " does not appear to have any puzzles"},
        {{"check", mixed},
         1,
         "13 lines, 6 valid, 4 unique, 12 distinct\n"
         "Grades: Easy 2, Medium 2, Hard 0, Expert 0; 1 line with a view field\n",
         "lumeta-tools check: 9 bad lines; the first:\n"
         "  line 3: has 5 characters, not 42, 60, 84 or 114\n"
         "  line 4: hexagon 1 does not hold 1..6 once each\n"
         "  line 5: its clues have more than one solution\n"
         "  line 6: character 5 is not a digit 1..6\n"
         "  line 7: hexagon 1 side 6 and hexagon 2 side 3 add up to 5, not 7\n"
         "  line 10: the view field has 41 characters, not 42\n"
         "  line 11: character 42 of the view field is neither a digit 1..6 nor \".\"\n"
         "  line 12: character 1 of the view field differs from the solution\n"
         "  line 13: the cells its view shows have more than one solution\n"},
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
    const std::string fifty = Tools({"create", "50", "--seed", "1"}).out;
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
    const ToolRun run = Tools({"check", std::string(LUMETA_DATA_DIR) + "/puzzles.txt"});
    const std::string n = run.out.substr(0, run.out.find(' '));
    EXPECT_GE(std::stoi(n), 1000);
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

TEST(CreateCommand, MakesPuzzlesOfTheGradeAskedThatCheck) {
    TempDir dir;
    const std::string expert = dir.File("expert.txt");
    ASSERT_EQ(Tools({"create", "20", "--seed", "4", "--grade", "expert", "--out", expert}).status,
              0);
    const ToolRun check = Tools({"check", expert});
    EXPECT_EQ(check.status, 0) << check.err;
    EXPECT_EQ(check.out,
              "20 lines, 20 valid, 20 unique, 20 distinct\n"
              "Grades: Easy 0, Medium 0, Hard 0, Expert 20; 20 lines with a view field\n");
}

}  // namespace
}  // namespace lumeta
