#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "board/board_layout.h"

namespace lumeta {

// What is wrong with one puzzle line, if anything.
struct LineCheck {
    bool valid = false;    // right length, digits 1..6, hexagons and touching sums right
    bool unique = false;   // valid, and its clues have no other solution
    bool hasView = false;  // valid with a view field, whose digits are the clues
    std::string problem;   // empty when valid and unique
};

LineCheck CheckPuzzleLine(const BoardLayout& layout, std::string_view line);

struct BadLine {
    long long number = 0;  // 1-based
    std::string problem;
};

struct FileCheck {
    bool readable = false;
    long long lines = 0, valid = 0, unique = 0, distinct = 0;
    long long bad = 0;              // lines not valid or not unique
    std::vector<BadLine> firstBad;  // the first few of them
    // "N lines, V valid, U unique, D distinct"
    std::string Summary() const;
};

// Checks every line of a puzzle file; distinct counts lines by text, letter case ignored.
// Each line is checked on the board its length tells: lines of the layout's size on it,
// lines of another size on a board of theirs, built when the first such line comes.
FileCheck CheckPuzzleFile(const BoardLayout& layout, const std::string& path,
                          std::size_t keepBad = 10);

}  // namespace lumeta
