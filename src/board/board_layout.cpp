#include "board/board_layout.h"

#include <algorithm>
#include <vector>

#include "board/num_text.h"
#include "board/puzzle_state.h"

namespace lumeta {

// Sides clockwise from the upper left. A slanted side's outward neighbour lies in the
// same grid row, a flat side's directly above or below.
const std::array<SideShape, 7> kSideShape = {{
    {0, 0, 0, 0},
    {0, 0, 0, -1},  // 1 upper left
    {0, 1, -1, 0},  // 2 top
    {0, 2, 0, 1},   // 3 upper right
    {1, 2, 0, 1},   // 4 lower right
    {1, 1, 1, 0},   // 5 bottom
    {1, 0, 0, -1},  // 6 lower left
}};

namespace {

struct Origin {
    int row, col;
};

struct LayoutData {
    int rows, cols;
    std::vector<Origin> origins;  // hexagon 1 first
    std::vector<int> outerCells;  // cell numbers of the outer sides
};

const LayoutData& LayoutFor(int numHex) {
    static const LayoutData seven{
        6,
        11,
        {{1, 5}, {2, 2}, {2, 8}, {3, 5}, {4, 2}, {4, 8}, {5, 5}},
        {5, 6, 7, 13, 14, 20, 21, 24, 32, 35, 43, 46, 47, 53, 54, 60, 61, 62}};
    static const LayoutData ten{
        8,
        11,
        {{1, 5}, {2, 2}, {2, 8}, {3, 5}, {4, 2}, {4, 8}, {5, 5}, {6, 2}, {6, 8}, {7, 5}},
        {5, 6, 7, 13, 14, 20, 21, 24, 32, 35, 43, 46, 54, 57, 65, 68, 69, 75, 76, 82, 83, 84}};
    static const LayoutData fourteen{8,
                                     17,
                                     {{1, 8},
                                      {2, 5},
                                      {2, 11},
                                      {3, 2},
                                      {3, 8},
                                      {3, 14},
                                      {4, 5},
                                      {4, 11},
                                      {5, 2},
                                      {5, 8},
                                      {5, 14},
                                      {6, 5},
                                      {6, 11},
                                      {7, 8}},
                                     {8,  9,  10, 22, 23,  29,  30,  36,  37,  49,  50,  53,  67,
                                      70, 84, 87, 88, 100, 101, 107, 108, 114, 115, 127, 128, 129}};
    static const LayoutData nineteen{
        10,
        17,
        {{1, 8},
         {2, 5},
         {2, 11},
         {3, 2},
         {3, 8},
         {3, 14},
         {4, 5},
         {4, 11},
         {5, 2},
         {5, 8},
         {5, 14},
         {6, 5},
         {6, 11},
         {7, 2},
         {7, 8},
         {7, 14},
         {8, 5},
         {8, 11},
         {9, 8}},
        {8,  9,   10,  22,  23,  29,  30,  36,  37,  49,  50,  53,  67,  70,  84,
         87, 101, 104, 118, 121, 122, 134, 135, 141, 142, 148, 149, 161, 162, 163}};
    switch (numHex) {
        case 10:
            return ten;
        case 14:
            return fourteen;
        case 19:
            return nineteen;
        default:
            return seven;
    }
}

std::string HexSideTag(int hex, int side) {
    std::string tag;
    if (hex < 10) tag += '0';
    tag += NumText(hex);
    tag += NumText(side);
    return tag;
}

}  // namespace

bool IsKnownHexCount(int numHex) {
    return std::find(kBoardHexCounts.begin(), kBoardHexCounts.end(), numHex) !=
           kBoardHexCounts.end();
}

std::size_t SolutionFieldLength(std::string_view line) {
    return std::min(line.find(' '), line.size());
}

int BoardHexagonsForLine(std::string_view line) {
    const std::size_t solution = SolutionFieldLength(line);
    for (const int numHex : kBoardHexCounts)
        if (solution == static_cast<std::size_t>(6 * numHex)) return numHex;
    return 0;
}

void BuildBoard(BoardLayout& layout, PuzzleState& puzzle) {
    for (auto& row : layout.CellTag)
        row.fill("");
    for (auto& row : puzzle.Solution)
        row.fill("");
    layout.HexRow.fill(0);
    layout.HexCol.fill(0);
    for (auto& sides : layout.HexCell)
        sides.fill(0);

    // Unknown counts are never requested; they get the board in play.
    if (!IsKnownHexCount(layout.NumHex)) layout.NumHex = 7;
    const LayoutData& data = LayoutFor(layout.NumHex);
    layout.GridRows = data.rows;
    layout.GridCols = data.cols;

    // Every grid cell is numbered, on the board or not. Cells of an earlier, larger grid
    // lose their numbers so nothing outside this grid looks like part of it.
    for (auto& row : layout.CellNumber)
        row.fill(0);
    for (auto& row : layout.Given)
        row.fill(0);
    layout.CellRow.fill(0);
    layout.CellCol.fill(0);
    int counter = 0;
    for (int row = 1; row <= layout.GridRows; ++row) {
        for (int col = 1; col <= layout.GridCols; ++col) {
            ++counter;
            layout.CellNumber[row][col] = counter;
            layout.CellRow[counter] = row;
            layout.CellCol[counter] = col;
        }
    }
    for (int cell : data.outerCells)
        layout.Given[layout.CellRow[cell]][layout.CellCol[cell]] = 1;

    layout.HexTotal = layout.NumHex;
    for (int h = 1; h <= layout.HexTotal; ++h) {
        const Origin origin = data.origins[h - 1];
        layout.HexRow[h] = origin.row;
        layout.HexCol[h] = origin.col;
        for (int s = 1; s <= 6; ++s) {
            const int row = origin.row + kSideShape[s].dRow;
            const int col = origin.col + kSideShape[s].dCol;
            layout.HexCell[h][s] = layout.CellNumber[row][col];
            layout.CellTag[row][col] = HexSideTag(h, s);
        }
    }

    for (auto& sides : layout.TouchCell)
        sides.fill(0);
    for (int h = 1; h <= layout.HexTotal; ++h) {
        for (int s = 1; s <= 6; ++s) {
            const int cell = layout.HexCell[h][s];
            const int row = layout.CellRow[cell] + kSideShape[s].outRow;
            const int col = layout.CellCol[cell] + kSideShape[s].outCol;
            if (layout.IsBoardCell(row, col)) layout.TouchCell[h][s] = layout.CellNumber[row][col];
        }
    }

    layout.ColStep = 177750 / 375;  // 474
    layout.RowStep = 790;
    ShowOuterSides(layout, puzzle);
}

}  // namespace lumeta
