#include "generator/indexed_board.h"

namespace lumeta {

IndexedBoard IndexBoard(const BoardLayout& layout) {
    IndexedBoard board;
    board.hexTotal = layout.HexTotal;
    board.cellCount = layout.HexTotal * 6;
    board.touch.fill(-1);

    // Grid cell number -> index, and the place of each board cell in a puzzle line.
    std::array<int, kCellsMax + 1> indexOfCell;
    indexOfCell.fill(-1);
    for (int h = 1; h <= layout.HexTotal; ++h)
        for (int s = 1; s <= 6; ++s)
            indexOfCell[layout.HexCell[h][s]] = CellIndex(h, s);

    int position = 0;
    for (int row = 1; row <= layout.GridRows; ++row) {
        for (int col = 1; col <= layout.GridCols; ++col) {
            if (!layout.IsBoardCell(row, col)) continue;
            const int index = indexOfCell[layout.CellNumber[row][col]];
            board.row[index] = row;
            board.col[index] = col;
            board.given[index] = layout.Given[row][col] == 1;
            board.linePos[index] = position++;
        }
    }
    for (int h = 1; h <= layout.HexTotal; ++h) {
        for (int s = 1; s <= 6; ++s) {
            const int touching = layout.TouchCell[h][s];
            if (touching != 0) board.touch[CellIndex(h, s)] = indexOfCell[touching];
        }
    }
    return board;
}

void GridToSolution(const IndexedBoard& board, const CandidateGrid& grid, PuzzleState& puzzle) {
    for (int i = 0; i < board.cellCount; ++i)
        puzzle.Solution[board.row[i]][board.col[i]] = DigitSetText(grid.cell[i]);
}

}  // namespace lumeta
