#pragma once

#include <array>
#include <string>
#include <string_view>

namespace lumeta {

// Table extents. Row 0, column 0 and the row and column past the widest grid stay empty,
// so a neighbour look-up never leaves the tables.
constexpr int kGridRowsMax = 12;
constexpr int kGridColsMax = 20;
constexpr int kHexMax = 25;
constexpr int kCellsMax = 240;

template <typename T>
using GridTable = std::array<std::array<T, kGridColsMax + 1>, kGridRowsMax + 1>;
template <typename T>
using HexSideTable = std::array<std::array<T, 7>, kHexMax + 1>;

// The static description of a board of NumHex hexagons, written only by BuildBoard.
// Every other part of the program reads it.
struct BoardLayout {
    int NumHex = 7;    // the hexagon count to build: 7, 10, 14 or 19
    int HexTotal = 0;  // the count as last built
    int GridRows = 0;
    int GridCols = 0;
    GridTable<int> CellNumber{};
    std::array<int, kCellsMax + 1> CellRow{};
    std::array<int, kCellsMax + 1> CellCol{};
    std::array<int, kHexMax + 1> HexRow{};  // origin = the cell of side 1
    std::array<int, kHexMax + 1> HexCol{};
    HexSideTable<int> HexCell{};       // cell number of side s of hexagon h
    GridTable<std::string> CellTag{};  // "073" = hexagon 7, side 3; empty off the board
    GridTable<int> Given{};            // 1 on an outer side (a clue cell)
    HexSideTable<int> TouchCell{};     // cell touching side s of hexagon h, 0 if outer
    int ColStep = 0;
    int RowStep = 0;

    bool IsBoardCell(int row, int col) const { return !CellTag[row][col].empty(); }
};

struct PuzzleState;

// Builds the layout for layout.NumHex and empties the solution. A count other than
// 7, 10, 14 or 19 builds the 7-hexagon board. The caller empties its undo list and
// prepares the drawing geometry afterwards.
void BuildBoard(BoardLayout& layout, PuzzleState& puzzle);

// The hexagon counts BuildBoard knows, smallest first.
inline constexpr std::array<int, 4> kBoardHexCounts = {7, 10, 14, 19};

// True for the hexagon counts BuildBoard knows.
bool IsKnownHexCount(int numHex);

// The length of a puzzle line's solution: its characters before the first blank, or the
// whole line.
std::size_t SolutionFieldLength(std::string_view line);

// The hexagon count of the board a puzzle line is for, told by the length of its solution
// (the characters before the first blank, or the whole line): 42, 60, 84 or 114 for 7, 10,
// 14 or 19 hexagons; 0 when the length fits no board.
int BoardHexagonsForLine(std::string_view line);

// Side of the hexagon whose cell is (row, col) relative to its origin, as the layout
// defines it: the cell's offset and its outward neighbour.
struct SideShape {
    int dRow, dCol;      // cell of the side, relative to the hexagon's origin
    int outRow, outCol;  // outward neighbour, relative to that cell
};
extern const std::array<SideShape, 7> kSideShape;  // index 1..6

}  // namespace lumeta
