#include "support/board_fixture.h"

#include <gtest/gtest.h>

namespace lumeta::testing {

Board BuiltBoard(int numHex) {
    Board board;
    board.layout.NumHex = numHex;
    BuildBoard(board.layout, board.puzzle);
    return board;
}

void SetGrid(const BoardLayout& layout, GridTable<std::string>& table,
             const std::vector<std::string_view>& rows) {
    EXPECT_EQ(static_cast<int>(rows.size()), layout.GridRows) << "picture has the wrong rows";
    int row = 0;
    for (std::string_view text : rows) {
        ++row;
        EXPECT_EQ(static_cast<int>(text.size()), layout.GridCols) << "row " << row;
        for (int col = 1; col <= layout.GridCols && col <= static_cast<int>(text.size()); ++col) {
            const char c = text[col - 1];
            if (!layout.IsBoardCell(row, col)) {
                EXPECT_EQ(c, '-') << "row " << row << " col " << col << " is off the board";
                continue;
            }
            table[row][col] = c == '.' ? std::string() : std::string(1, c);
        }
    }
}

std::string GridPicture(const BoardLayout& layout, const GridTable<std::string>& table) {
    std::string picture;
    for (int row = 1; row <= layout.GridRows; ++row) {
        for (int col = 1; col <= layout.GridCols; ++col) {
            if (!layout.IsBoardCell(row, col))
                picture += '-';
            else
                picture += table[row][col].empty() ? "." : table[row][col];
        }
        picture += '\n';
    }
    return picture;
}

}  // namespace lumeta::testing
