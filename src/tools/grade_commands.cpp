#include "tools/grade_commands.h"

#include <array>

#include "board/puzzle_state.h"
#include "generator/board_sizes.h"
#include "generator/player_model.h"
#include "generator/text_lines.h"

namespace lumeta {

namespace {

struct GradeCounts {
    bool readable = false;
    std::string problem;
    long long lines = 0, ungraded = 0, withView = 0;
    std::array<long long, 4> perGrade{};
};

// Grades every line; perLine (when set) gets each line's number, grade and moves.
template <typename PerLine>
GradeCounts CountGrades(const std::string& path, PerLine perLine) {
    GradeCounts counts;
    const TextLines file = ReadTextLines(path);
    counts.readable = file.readable;
    counts.problem = file.problem;
    if (!file.readable) return counts;
    // Each line on the board its length tells; a line that fits none gets no grade.
    PerBoardSize<PuzzleGrader> graders;
    for (std::string_view line : file.lines) {
        ++counts.lines;
        Grade grade = Grade::Easy;
        SolveStats solve;
        PuzzleGrader* grader = graders.ForLine(line);
        const bool graded = grader && grader->GradeLine(line, grade, &solve);
        if (graded) {
            ++counts.perGrade[static_cast<std::size_t>(grade)];
            if (line.size() > static_cast<std::size_t>(grader->board().cellCount))
                ++counts.withView;
        } else {
            ++counts.ungraded;
        }
        perLine(counts.lines, graded, grade, solve);
    }
    return counts;
}

std::string CountsText(const GradeCounts& counts) {
    std::string text;
    for (std::size_t g = 0; g < counts.perGrade.size(); ++g)
        text += std::string(g ? ", " : "") + GradeName(static_cast<Grade>(g)) + " " +
                std::to_string(counts.perGrade[g]);
    return text;
}

}  // namespace

bool ReadGradeOption(const std::optional<std::string>& value, std::optional<Grade>& grade) {
    grade.reset();
    if (!value) return true;
    Grade parsed = Grade::Easy;
    if (!ParseGrade(*value, parsed)) return false;
    grade = parsed;
    return true;
}

std::string GradeSummary(const std::string& path) {
    const GradeCounts counts = CountGrades(path, [](long long, bool, Grade, const SolveStats&) {});
    return "Grades: " + CountsText(counts) + "; " + std::to_string(counts.withView) +
           (counts.withView == 1 ? " line" : " lines") + " with a view field";
}

int RunGrade(const ToolArgs& args, std::ostream& out, std::ostream& err) {
    std::string path;
    bool perLine = false, stats = false;
    for (const std::string& arg : args) {
        if (arg == "--lines")
            perLine = true;
        else if (arg == "--stats")
            stats = true;
        else if (arg.size() > 2 && arg.rfind("--", 0) == 0)
            return UsageError(err, "grade", "unknown option " + arg);
        else if (!path.empty())
            return UsageError(err, "grade", "expects exactly one FILE");
        else
            path = arg;
    }
    if (path.empty()) return UsageError(err, "grade", "expects exactly one FILE");
    const GradeCounts counts =
        CountGrades(path, [&](long long number, bool graded, Grade grade, const SolveStats& solve) {
            if (!perLine) return;
            out << number << " " << (graded ? GradeName(grade) : "-");
            if (stats && graded)
                out << " rounds=" << solve.rounds << " only-one=" << solve.onlyOneLeft
                    << " cross=" << solve.crossRounds << " pairs=" << solve.pairSteps
                    << " candidates=" << solve.candidateSteps;
            // Only the larger boards' players try candidates.
            if (stats && graded && solve.trialSteps > 0) out << " trials=" << solve.trialSteps;
            out << "\n";
        });
    if (!counts.readable) {
        err << "lumeta-tools grade: " << counts.problem << "\n";
        return 1;
    }
    if (counts.lines == 0) {
        err << "lumeta-tools grade: " << path << " does not appear to have any puzzles\n";
        return 1;
    }
    out << CountsText(counts) << "\n";
    if (counts.ungraded == 0) return 0;
    err << "lumeta-tools grade: " << counts.ungraded
        << (counts.ungraded == 1 ? " line is" : " lines are")
        << " no valid puzzle and got no grade\n";
    return 1;
}

}  // namespace lumeta
