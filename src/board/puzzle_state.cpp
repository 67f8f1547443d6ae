#include "board/puzzle_state.h"

#include "board/num_text.h"

namespace lumeta {

void ClearEntries(PuzzleState& puzzle) {
    for (auto& row : puzzle.Entry)
        row.fill("");
}

VerifyOutcome VerifyPuzzle(const BoardLayout& layout, const PuzzleState& puzzle) {
    for (int row = 1; row <= layout.GridRows; ++row) {
        for (int col = 1; col <= layout.GridCols; ++col) {
            const bool given = puzzle.Shown[row][col] == 1;
            if (given && puzzle.Solution[row][col].empty()) return VerifyOutcome::NoPuzzle;
            if (!given && puzzle.Entry[row][col] != puzzle.Solution[row][col])
                return VerifyOutcome::NotDone;
        }
    }
    return VerifyOutcome::AllDone;
}

std::string PuzzleLine(const BoardLayout& layout, const PuzzleState& puzzle) {
    std::string line;
    for (int row = 1; row <= layout.GridRows; ++row)
        for (int col = 1; col <= layout.GridCols; ++col)
            line += puzzle.Solution[row][col];
    return line;
}

PuzzleLineFields SplitPuzzleLine(std::string_view line, std::size_t cells) {
    PuzzleLineFields fields;
    fields.solution = line.substr(0, cells);
    if (line.size() <= cells || line[cells] != ' ') return fields;
    std::string_view view = line.substr(cells + 1);
    view = view.substr(0, view.find_last_not_of(' ') + 1);
    if (view.empty()) return fields;  // only blanks after the solution
    if (view.size() != cells) {
        fields.problem = "the view field has " + NumText(static_cast<long long>(view.size())) +
                         " characters, not " + NumText(static_cast<long long>(cells));
        return fields;
    }
    for (std::size_t k = 0; k < cells; ++k) {
        const char c = view[k];
        if (c == '.') continue;
        const std::string where = "character " + NumText(static_cast<long long>(k + 1));
        if (c < '1' || c > '6') {
            fields.problem = where + " of the view field is neither a digit 1..6 nor \".\"";
            return fields;
        }
        if (k >= fields.solution.size() || fields.solution[k] != c) {
            fields.problem = where + " of the view field differs from the solution";
            return fields;
        }
    }
    fields.view = view;
    return fields;
}

std::size_t PuzzleLineKeepChars(std::size_t cells) {
    return 2 * cells + 64;
}

std::string ViewField(const BoardLayout& layout, const PuzzleState& puzzle) {
    std::string view;
    for (int row = 1; row <= layout.GridRows; ++row)
        for (int col = 1; col <= layout.GridCols; ++col)
            if (layout.IsBoardCell(row, col))
                view += puzzle.Shown[row][col] == 1 && !puzzle.Solution[row][col].empty()
                            ? puzzle.Solution[row][col]
                            : std::string(".");
    return view;
}

std::string PuzzleLineWithView(const BoardLayout& layout, const PuzzleState& puzzle) {
    std::string line = PuzzleLine(layout, puzzle);
    if (puzzle.HasView) line += " " + ViewField(layout, puzzle);
    return line;
}

void ShowOuterSides(const BoardLayout& layout, PuzzleState& puzzle) {
    puzzle.Shown = layout.Given;
    puzzle.HasView = false;
}

std::string PlacePuzzleLine(const BoardLayout& layout, PuzzleState& puzzle, std::string_view line) {
    const std::size_t cells = static_cast<std::size_t>(6) * layout.HexTotal;
    const PuzzleLineFields fields = SplitPuzzleLine(line, cells);
    ShowOuterSides(layout, puzzle);
    puzzle.HasView = !fields.view.empty();
    std::size_t k = 0;
    for (int row = 1; row <= layout.GridRows; ++row) {
        for (int col = 1; col <= layout.GridCols; ++col) {
            puzzle.Entry[row][col].clear();
            if (!layout.IsBoardCell(row, col)) continue;
            ++k;
            if (k <= fields.solution.size())
                puzzle.Solution[row][col].assign(1, fields.solution[k - 1]);
            else
                puzzle.Solution[row][col].clear();
            if (puzzle.HasView) puzzle.Shown[row][col] = fields.view[k - 1] != '.' ? 1 : 0;
        }
    }
    return fields.problem;
}

}  // namespace lumeta
