#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "board/board_layout.h"
#include "generator/indexed_board.h"

namespace lumeta {

struct SolutionCount {
    int count = 0;          // solutions found, at most the limit asked for
    std::string firstLine;  // the first solution as a puzzle line, empty when none
};

// Counts the solutions of clue sets by exhaustive search over each hexagon's 720
// arrangements of 1..6. Only the characters at the clue cells are read (the layout's
// given cells, or the digits of a view field); the
// search knows nothing of the generator's rules, so it proves (or disproves) a puzzle
// unique on its own. The arrangements that fit each hexagon's clues come from tables
// made once per layout, so counting line after line costs little.
class SolutionCounter {
  public:
    explicit SolutionCounter(const BoardLayout& layout);

    SolutionCount Count(std::string_view line, int limit = 2);
    // The clues are the digits of `view`, one character per board cell; "." and any
    // other character is a cell to fill.
    SolutionCount CountView(std::string_view view, int limit = 2);

  private:
    using Arrangement = std::uint64_t;  // the digit of side s in byte s - 1

    // All 720 arrangements of a hexagon grouped by a key, each group's start in `first`.
    struct Groups {
        std::vector<std::uint32_t> first;  // one more than there are keys
        std::vector<Arrangement> members;
    };
    // The tables of a hexagon whose clues lie at the sides of one set (bit s - 1 for
    // side s); every hexagon with the same set shares them.
    struct HexClues {
        std::vector<int> givenSides;  // 1-based, in side order
        Groups byClues;               // key: the digits at the clues
        // Key: the digits at the clues and the digit of side s (6 × clue key + digit - 1),
        // so a placed neighbour picks a sixth of the group at once. Left empty for
        // hexagons of more than four clues, whose groups are small anyway.
        std::array<Groups, 6> byCluesAndSide;
    };
    // A side whose touching cell lies in a hexagon placed earlier.
    struct Link {
        int shift;       // 8 * (side - 1)
        int otherHex;    // that hexagon
        int otherShift;  // 8 * (its side - 1)
    };

    const HexClues& CluesAt(unsigned sides);
    SolutionCount CountWith(std::string_view line, const std::vector<unsigned>& clueSides,
                            int limit);
    bool FindOptions(std::string_view line);
    void PlanOrder();
    void Place(std::size_t step);
    std::string Line() const;

    IndexedBoard board_;
    std::array<std::unique_ptr<HexClues>, 64> cluesBySides_;  // made when first needed
    std::vector<unsigned> givenSides_, viewSides_;            // per hexagon, 1-based
    std::vector<const HexClues*> clues_;                      // this line's, per hexagon
    // This line's clue key and options of each hexagon.
    std::vector<std::size_t> key_;
    std::vector<const Arrangement*> optionsBegin_, optionsEnd_;
    std::vector<int> order_;
    std::vector<std::vector<Link>> links_;  // per step of order_
    std::array<Arrangement, kHexMax + 1> placed_{};
    int limit_ = 0;
    SolutionCount result_;
};

// One count with a counter made for the call.
SolutionCount CountSolutions(const BoardLayout& layout, std::string_view line, int limit = 2);

}  // namespace lumeta
