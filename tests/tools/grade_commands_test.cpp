#include <gtest/gtest.h>

#include <filesystem>

#include "support/board_fixture.h"
#include "support/temp_dir.h"
#include "tools/tool_run.h"

namespace lumeta {
namespace {

using testing::TempDir;

// A unique puzzle, and a view that shows its outer sides and one inner cell (hexagon 4,
// side 1).
const std::string kSample = "253251614316364362524412541651536134324256";
const std::string kView = "25325.....163..3....44.......153.....24256";

TEST(ViewFields, AreCheckedLineByLineAndABadOneIsNamedWithItsLine) {
    const struct {
        std::string line;
        std::string problem;  // "" for a good line
    } cases[] = {
        {kSample, ""},
        {kSample + " " + kView, ""},
        {kSample + " " + kView.substr(0, 41), "the view field has 41 characters, not 42"},
        {kSample + " " + kView + "5", "the view field has 43 characters, not 42"},
        {kSample + " " + kView.substr(0, 41) + "x",
         "character 42 of the view field is neither a digit 1..6 nor \".\""},
        {kSample + " " + std::string(1, '\0') + kView.substr(1),
         "character 1 of the view field is neither a digit 1..6 nor \".\""},
        {kSample + " 5" + kView.substr(1),
         "character 1 of the view field differs from the solution"},
        {kSample + " " + std::string(42, '.'),
         "the cells its view shows have more than one solution"},
    };
    TempDir dir;
    std::string text, expected;
    int number = 0, bad = 0;
    for (const auto& c : cases) {
        text += c.line + "\r\n";
        ++number;
        if (c.problem.empty()) continue;
        ++bad;
        expected += "  line " + std::to_string(number) + ": " + c.problem + "\n";
    }
    const ToolRun run = Tools({"check", dir.Write("mixed.txt", text)});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err,
              "lumeta-tools check: " + std::to_string(bad) + " bad lines; the first:\n" + expected);
    EXPECT_EQ(run.out,
              "8 lines, 3 valid, 2 unique, 8 distinct\n"
              "Grades: Easy 2, Medium 0, Hard 0, Expert 0; 1 line with a view field\n");
}

TEST(GradedCreate, MakesPuzzlesOfTheGradeAskedThatCheckAndRefusesAnUnknownGrade) {
    TempDir dir;
    const std::string expert = dir.File("expert.txt");
    ASSERT_EQ(Tools({"create", "20", "--seed", "4", "--grade", "expert", "--out", expert}).status,
              0);
    const ToolRun check = Tools({"check", expert});
    EXPECT_EQ(check.status, 0) << check.err;
    EXPECT_EQ(check.out,
              "20 lines, 20 valid, 20 unique, 20 distinct\n"
              "Grades: Easy 0, Medium 0, Hard 0, Expert 20; 20 lines with a view field\n");
    const std::string hard = dir.File("hard.txt");
    ASSERT_EQ(Tools({"create-multi", "--existing", expert, "--out", hard, "--count", "20", "--seed",
                     "4", "--grade", "hard"})
                  .status,
              0);
    EXPECT_EQ(Tools({"grade", hard}).out, "Easy 0, Medium 0, Hard 20, Expert 0\n");

    const std::string none = dir.File("none.txt");
    const ToolRun wrong = Tools({"create", "3", "--grade", "tricky", "--out", none});
    EXPECT_EQ(wrong.status, 2);
    EXPECT_NE(wrong.err.find("--grade must be easy, medium, hard or expert"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(none));
}

}  // namespace
}  // namespace lumeta
