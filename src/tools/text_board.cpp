#include "tools/text_board.h"

#include <vector>

namespace lumeta {

namespace {

constexpr int kHexWidth = 9;  // "/ 1 2 3 \"
constexpr int kHexPitch = 8;  // neighbouring columns share a slanted edge

}  // namespace

std::string TextBoard(const BoardLayout& layout, const PuzzleState& puzzle, bool showSolution) {
    int minCol = kGridColsMax;
    for (int h = 1; h <= layout.HexTotal; ++h)
        minCol = std::min(minCol, layout.HexCol[h]);
    const int width = ((layout.GridCols - minCol) / 3 + 1) * kHexPitch + 1;
    std::vector<std::string> lines(layout.GridRows + 1, std::string(width, ' '));

    auto digit = [&](int cell, char blank) {
        const int row = layout.CellRow[cell];
        const int col = layout.CellCol[cell];
        const std::string& text = puzzle.Solution[row][col];
        if (text.empty() || (!showSolution && puzzle.Shown[row][col] != 1)) return blank;
        return text[0];
    };
    for (int h = 1; h <= layout.HexTotal; ++h) {
        const int x = (layout.HexCol[h] - minCol) / 3 * kHexPitch;
        const int top = layout.HexRow[h];  // the upper row of cells; its edge sits above
        std::string& edge = lines[top - 1];
        std::string& upper = lines[top];
        std::string& lower = lines[top + 1];
        for (int i = 1; i < kHexWidth - 1; ++i)
            if (edge[x + i] == ' ') edge[x + i] = '_';
        upper[x] = '/';
        upper[x + kHexWidth - 1] = '\\';
        lower[x] = '\\';
        lower[x + kHexWidth - 1] = '/';
        for (int i = 1; i < kHexWidth - 1; ++i) {
            upper[x + i] = ' ';
            lower[x + i] = '_';
        }
        for (int s = 1; s <= 3; ++s)
            upper[x + 2 * s] = digit(layout.HexCell[h][s], ' ');
        for (int s = 4; s <= 6; ++s)
            lower[x + 2 * (7 - s)] = digit(layout.HexCell[h][s], '_');
    }

    std::string out;
    for (std::string& line : lines) {
        line.erase(line.find_last_not_of(' ') + 1);
        out += line + "\n";
    }
    return out;
}

}  // namespace lumeta
