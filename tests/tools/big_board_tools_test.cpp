// lumeta-tools on the boards of 10, 14 and 19 hexagons: what create makes, check passes and
// the independent counter and the player model confirm, line by line.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "board/board_layout.h"
#include "board/puzzle_state.h"
#include "generator/indexed_board.h"
#include "generator/player_model.h"
#include "generator/puzzle_solver.h"
#include "generator/text_lines.h"
#include "support/temp_dir.h"
#include "tools/tool_run.h"

namespace lumeta {
namespace {

using testing::ReadBytes;
using testing::TempDir;

std::vector<std::string> LinesOf(const std::string& path) {
    const TextLines file = ReadTextLines(path);
    return {file.lines.begin(), file.lines.end()};
}

TEST(BigBoardTools, CreateOnEverySizeWhatCheckPassesTheCounterProvesUniqueAndAPlayerSolves) {
    TempDir dir;
    std::string everySize = ReadBytes(dir.Write("seven.txt", Tools({"create", "3"}).out));
    for (const int hexagons : {10, 14, 19}) {
        const std::string size = std::to_string(hexagons);
        const std::string file = dir.File("p" + size + ".txt");
        ASSERT_EQ(
            Tools({"create", "12", "--hexagons", size, "--seed", "5", "--jobs", "1", "--out", file})
                .status,
            0);
        // A seeded run repeats whatever the number of jobs.
        const std::string twoJobs = dir.File("two" + size + ".txt");
        ASSERT_EQ(Tools({"create", "12", "--hexagons", size, "--seed", "5", "--jobs", "2", "--out",
                         twoJobs})
                      .status,
                  0);
        EXPECT_EQ(ReadBytes(twoJobs), ReadBytes(file));
        const ToolRun check = Tools({"check", file});
        EXPECT_EQ(check.status, 0) << check.err;
        EXPECT_EQ(check.out.substr(0, check.out.find('\n')),
                  "12 lines, 12 valid, 12 unique, 12 distinct");

        BoardLayout layout;
        PuzzleState puzzle;
        layout.NumHex = hexagons;
        BuildBoard(layout, puzzle);
        SolutionCounter counter(layout);
        PuzzleGrader grader(layout);
        const IndexedBoard board = IndexBoard(layout);
        for (const std::string& line : LinesOf(file)) {
            ASSERT_EQ(BoardHexagonsForLine(line), hexagons) << line;
            const PuzzleLineFields fields = SplitPuzzleLine(line, 6 * hexagons);
            ASSERT_EQ(fields.problem, "");
            const SolutionCount count = counter.CountView(fields.view, 2);
            EXPECT_EQ(count.count, 1) << line;
            EXPECT_EQ(count.firstLine, fields.solution) << line;
            Grade grade;
            EXPECT_TRUE(grader.GradeLine(line, grade)) << line;
            for (int i = 0; i < board.cellCount; ++i) {  // every outer side shown
                if (board.given[i]) {
                    EXPECT_NE(fields.view[board.linePos[i]], '.') << line;
                }
            }
        }
        everySize += ReadBytes(file);
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
        {{"create", "--hexagons", "ten", "--out", out}, 2, "--hexagons must be"},
        {{"create-multi", "--hexagons", "20", "--count", "1", "--out", out}, 2, "--hexagons must"},
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
