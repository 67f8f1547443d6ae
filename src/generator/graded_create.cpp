#include "generator/graded_create.h"

#include <array>
#include <utility>

namespace lumeta {

GradedCreator::GradedCreator(const BoardLayout& layout)
    : layout_(layout), grader_(layout), counter_(layout) {}

// Hides what it can of the view's outer clues; true when the result is an Expert puzzle.
bool GradedCreator::HideClues(std::string& view, RandomSource& random) {
    const IndexedBoard& board = grader_.board();
    std::array<int, kCellIndexMax> order{};
    int clues = 0;
    for (int i = 0; i < board.cellCount; ++i)
        if (board.given[i]) order[clues++] = board.linePos[i];
    random.DrawDown(clues, [&order](int n, int j) { std::swap(order[j - 1], order[n - 1]); });

    const std::string solution = view.substr(0, static_cast<std::size_t>(board.cellCount));
    std::string shown = view.substr(static_cast<std::size_t>(board.cellCount) + 1);
    Grade grade = Grade::Easy;
    for (int k = 0; k < clues; ++k) {
        const auto at = static_cast<std::size_t>(order[k]);
        const char digit = shown[at];
        shown[at] = '.';
        SolveStats stats;
        if (counter_.CountView(shown, 2).count == 1 &&
            grader_.GradeLine(solution + " " + shown, grade, &stats) && stats.solved)
            continue;
        shown[at] = digit;  // needed: keep it shown
    }
    view = solution + " " + shown;
    return grader_.GradeLine(view, grade) && grade == Grade::Expert;
}

std::string GradedCreator::Create(Grade grade, PuzzleState& puzzle, DigitPerm& perm,
                                  RandomSource& random, const AttemptHook& perAttempt) {
    for (;;) {
        CreatePuzzle(layout_, puzzle, perm, random, perAttempt);
        // Boards past seven hexagons come with a view field already.
        const bool withView = layout_.HexTotal > 7;
        std::string line =
            withView ? PuzzleLineWithView(layout_, puzzle) : PuzzleLine(layout_, puzzle);
        if (grade == Grade::Expert) {
            std::string view = line;
            if (!withView) {
                view = line + " " + line;
                const IndexedBoard& board = grader_.board();
                for (int i = 0; i < board.cellCount; ++i)
                    if (!board.given[i])
                        view[static_cast<std::size_t>(board.cellCount + 1 + board.linePos[i])] =
                            '.';
            }
            if (HideClues(view, random)) return view;
            continue;
        }
        Grade made = Grade::Easy;
        if (grader_.GradeLine(line, made) && made == grade) return line;
    }
}

}  // namespace lumeta
