#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "board/board_layout.h"
#include "board/puzzle_state.h"

namespace lumeta::testing {

// A valid 7-hexagon puzzle line.
inline constexpr std::string_view kSampleLine = "436362521621541653453236124326145253415461";

// The sample as a grid picture, one text per grid row: '-' off the board, '.' empty.
//   row 1:  - - - - 4 3 6 - - - -
inline const std::vector<std::string_view> kSampleGrid = {
    "----436----",  //
    "-362521621-",  //
    "-541653453-",  //
    "-236124326-",  //
    "-145253415-",  //
    "----461----",  //
};

struct Board {
    BoardLayout layout;
    PuzzleState puzzle;
};

// A built board of numHex hexagons with no puzzle.
Board BuiltBoard(int numHex = 7);

// Writes a grid picture into a table: '.' empties a board cell, any other character of a
// board cell becomes its text. Off-board characters must be '-'.
void SetGrid(const BoardLayout& layout, GridTable<std::string>& table,
             const std::vector<std::string_view>& rows);

// The table as a grid picture, the inverse of SetGrid for one-character texts.
std::string GridPicture(const BoardLayout& layout, const GridTable<std::string>& table);

}  // namespace lumeta::testing
