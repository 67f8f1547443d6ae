#include <gtest/gtest.h>

#include <sys/stat.h>

#include "support/board_fixture.h"
#include "support/temp_dir.h"
#include "tools/tool_run.h"

namespace lumeta {
namespace {

using testing::kSampleLine;
using testing::TempDir;

TEST(LumetaTools, ShowDrawsTheCluesOrWithSolutionEveryCellAndMinusOneIsTheLast) {
    TempDir dir;
    std::string other(kSampleLine);
    other[16] = '9';  // the centre's side 2, an open cell
    const auto file = dir.Write("p.txt", std::string(kSampleLine) + "\r\n" + other + "\r\n");
    const ToolRun run = Tools({"show", file, "1"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "p# 1 of 2  p.txt\n"
              "\n"
              "         _______\n"
              " _______/ 4 3 6 \\_______\n"
              "/ 3 6   \\_______/   2 1 \\\n"
              "\\_5_____/       \\_____3_/\n"
              "/ 2     \\_______/     6 \\\n"
              "\\_1_4___/       \\___1_5_/\n"
              "        \\_4_6_1_/\n");
    const ToolRun solution = Tools({"show", file, "-1", "--solution"});
    ASSERT_EQ(solution.status, 0) << solution.err;
    EXPECT_NE(solution.out.find("p# 2 of 2"), std::string::npos);
    EXPECT_NE(solution.out.find("\\_5_4_1_/ 6 9 3 \\_4_5_3_/"), std::string::npos) << solution.out;
    EXPECT_EQ(Tools({"count", file}).out, "2\n");
}

TEST(LumetaTools, ErrorsGoToStderrWithANonZeroStatus) {
    TempDir dir;
    const auto file = dir.Write("p.txt", std::string(kSampleLine) + "\r\n");
    const auto empty = dir.Write("empty.txt", "");
    const auto fifo = dir.File("fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    const struct {
        ToolArgs args;
        const char* message;
    } cases[] = {
        {{"show", file, "3000000000"}, "there is no puzzle 3000000000"},
        {{"count", fifo}, "not a regular file"},
        {{"randomize", fifo}, "not a regular file"},
        {{"show", dir.File("missing.txt"), "1"}, "no such file"},
        {{"show", dir.path().string(), "1"}, "a folder"},
        {{"show", empty, "1"}, "does not appear to have any puzzles"},
        {{"show", file, "2"}, "there is no puzzle 2"},
        {{"show", file, "0"}, "N must be"},
        {{"show", file}, "expects FILE and N"},
        {{"show", file, "1", "--bogus"}, "unknown option"},
        {{"frobnicate"}, "unknown command"},
    };
    for (const auto& c : cases) {
        const ToolRun run = Tools(c.args);
        EXPECT_NE(run.status, 0) << c.message;
        EXPECT_TRUE(run.out.empty()) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
}

// In lines and file names, also where a command writes a name as it stands: an escape
// sequence, a line feed, bytes that are not UTF-8. A UTF-8 name is shown as it is.
TEST(LumetaTools, ShowsAQuestionMarkForEveryCharacterATerminalWouldObeyInLinesAndNames) {
    TempDir dir;
    std::string line(kSampleLine);
    line[16] = '\x1b';  // open cells of the centre
    line[17] = '\x9b';
    const auto file = dir.Write("p\x1b]0;x\x07\nq\xc2\x9b\xff\xc3\xa9.txt", line + "\r\n");
    const ToolRun run = Tools({"show", file, "1", "--solution"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "p# 1 of 1  p?]0;x??q???\xc3\xa9.txt");
    EXPECT_NE(run.out.find("/ 6 ? ? \\"), std::string::npos) << run.out;
    const ToolRun missing = Tools({"count", file + "\x1b[2J"});
    EXPECT_NE(missing.err.find("q???\xc3\xa9.txt?[2J\n"), std::string::npos) << missing.err;
    const ToolRun empty = Tools({"grade", dir.Write("e\x1b[2J\x7f", "")});  // names it as it is
    EXPECT_NE(empty.err.find("/e?[2J? does not appear"), std::string::npos) << empty.err;
    for (const std::string& text : {run.out, missing.err, empty.err})
        for (char c : text)
            EXPECT_TRUE(c == '\n' || c >= ' ' || c < 0) << static_cast<int>(c);
}

}  // namespace
}  // namespace lumeta
