#include "board/puzzle_state.h"

namespace lumeta {

void ClearEntries(PuzzleState& puzzle) {
    for (auto& row : puzzle.Entry)
        row.fill("");
}

VerifyOutcome VerifyPuzzle(const BoardLayout& layout, const PuzzleState& puzzle) {
    for (int row = 1; row <= layout.GridRows; ++row) {
        for (int col = 1; col <= layout.GridCols; ++col) {
            const bool given = layout.Given[row][col] == 1;
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

void PlacePuzzleLine(const BoardLayout& layout, PuzzleState& puzzle, std::string_view line) {
    std::size_t k = 0;
    for (int row = 1; row <= layout.GridRows; ++row) {
        for (int col = 1; col <= layout.GridCols; ++col) {
            puzzle.Entry[row][col].clear();
            if (!layout.IsBoardCell(row, col)) continue;
            ++k;
            if (k <= line.size())
                puzzle.Solution[row][col].assign(1, line[k - 1]);
            else
                puzzle.Solution[row][col].clear();
        }
    }
}

}  // namespace lumeta
