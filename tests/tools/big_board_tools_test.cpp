// lumeta-tools on the boards of 10, 14 and 19 hexagons: what create makes, check passes
// (its own board for each line) with every outer side shown.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "generator/indexed_board.h"
#include "support/board_fixture.h"
#include "support/temp_dir.h"
#include "tools/tool_run.h"

namespace lumeta {
namespace {

using testing::TempDir;

TEST(BigBoardTools, CreateOnEverySizeWhatCheckPassesWithEveryOuterSideShown) {
    TempDir dir;
    std::string everySize = Tools({"create", "3"}).out;
    for (const int hexagons : {10, 14, 19}) {
        const std::string size = std::to_string(hexagons);
        const std::string made =
            Tools({"create", "12", "--hexagons", size, "--seed", "5", "--jobs", "1"}).out;
        // A seeded run repeats whatever the number of jobs.
        EXPECT_EQ(Tools({"create", "12", "--hexagons", size, "--seed", "5", "--jobs", "2"}).out,
                  made);
        const BoardLayout layout = testing::BuiltBoard(hexagons).layout;
        const IndexedBoard board = IndexBoard(layout);
        std::istringstream lines(made);
        for (std::string line; std::getline(lines, line);) {
            ASSERT_EQ(BoardHexagonsForLine(line), hexagons) << line;
            const PuzzleLineFields fields = SplitPuzzleLine(line, 6 * hexagons);
            for (int i = 0; i < board.cellCount; ++i)  // every outer side shown
                EXPECT_TRUE(!board.given[i] || fields.view[board.linePos[i]] != '.') << line;
        }
        everySize += made;
    }
    // One file of every size: each line is checked on its own board.
    const ToolRun mixed = Tools({"check", dir.Write("mixed.txt", everySize)});
    EXPECT_EQ(mixed.status, 0) << mixed.err;
    EXPECT_EQ(mixed.out.substr(0, mixed.out.find('\n')),
              "39 lines, 39 valid, 39 unique, 39 distinct");
    // Graded puzzles on a larger board have the grade asked for.
    const std::string hard = dir.File("hard.txt");
    ASSERT_EQ(
        Tools({"create", "4", "--hexagons", "10", "--grade", "hard", "--seed", "2", "--out", hard})
            .status,
        0);
    EXPECT_EQ(Tools({"grade", hard}).out, "Easy 0, Medium 0, Hard 4, Expert 0\n");
}

TEST(BigBoardTools, RefuseABoardSizeOrALineThatFitsNoBoardWithAClearMessageAndWriteNothing) {
    TempDir dir;
    const std::string line10 =
        "253523461631164315245613462536524316124152524352364356146142 "
        "25352.....311.......56.......65.......41.......236.....46142";
    const std::string bad = dir.Write("bad.txt", line10.substr(0, 59) + "\r\n" + line10 + "5\r\n");
    const std::string out = dir.File("out.txt");
    const struct {
        ToolArgs args;
        int status;
        std::string err;  // a part of it
    } cases[] = {
        {{"create", "--hexagons", "8", "--out", out}, 2, "--hexagons must be 7, 10, 14 or 19"},
        {{"create", "--hexagons", "4294967303", "--out", out}, 2, "--hexagons must be"},
        {{"create", "--jobs", "0", "--out", out}, 2, "--jobs must be a whole number from 1"},
        {{"check", bad},
         1,
         "  line 1: has 59 characters, not 42, 60, 84 or 114\n"
         "  line 2: the view field has 61 characters, not 60\n"},
        {{"show", bad, "1"}, 1, "show: puzzle 1 has 59 characters, not 42, 60, 84 or 114\n"},
        {{"grade", bad}, 1, "2 lines are no valid puzzle"},
    };
    for (const auto& c : cases) {
        const ToolRun run = Tools(c.args);
        EXPECT_EQ(run.status, c.status) << c.err;
        EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
        EXPECT_EQ(run.out.find("p#"), std::string::npos);  // no board drawn
    }
    EXPECT_FALSE(std::filesystem::exists(out));
}

}  // namespace
}  // namespace lumeta
