#pragma once

#include <array>
#include <cstdint>

#include "generator/indexed_board.h"
#include "generator/random_source.h"

namespace lumeta {

// How an attempt ends.
enum class Verdict : int {
    Failed = -1,   // a contradiction
    Complete = 0,  // every cell holds one digit, consistently
    Open = 1,      // consistent so far, some cell still open
};

// The six candidate sets of a hexagon in one word, byte s-1 for side s (bytes 6 and 7
// stay zero), so that the rules work on a whole hexagon at once. The results are those
// of the rules cell by cell on a CandidateGrid.
using HexWord = std::uint64_t;

// The board's shape for hexagon words, prepared once.
struct HexWordBoard {
    int hexTotal = 0;
    std::array<HexWord, kHexMax + 1> openLanes{};   // 0xff in the bytes of non-given cells
    std::array<HexWord, kHexMax + 1> touchLanes{};  // 0xff in the bytes of cells that touch one
    // The byte of each side's touching cell in HexWordGrid (in hexagon 0, always zero,
    // on an outer side).
    std::array<std::array<std::uint16_t, 6>, kHexMax + 1> touchByte{};
    // The given sides of each hexagon in side order, as bit shifts.
    std::array<std::array<std::uint8_t, 6>, kHexMax + 1> givenShift{};
    std::array<std::uint8_t, kHexMax + 1> givenCount{};
};

HexWordBoard MakeHexWordBoard(const IndexedBoard& board);

// Hexagon 0 stays zero: it is what an outer side touches.
struct HexWordGrid {
    std::array<HexWord, kHexMax + 1> hex{};
};

// The clue digits of one deal: for each hexagon the first givenCount entries of DigitPerm
// after its shuffle.
struct DealtClues {
    std::array<std::uint8_t, kHexMax + 1> set{};     // as a digit set
    std::array<std::uint32_t, kHexMax + 1> order{};  // digit k + 1 in bits 4k..4k+3
};

// Records hexagon h's clue digits from the DigitPerm entries just shuffled.
inline void TakeClues(const HexWordBoard& board, const std::array<int, 7>& entry, int h,
                      DealtClues& clues) {
    unsigned set = 0, order = 0;
    for (int k = 0; k < board.givenCount[h]; ++k) {
        set |= 1u << (entry[k + 1] - 1);
        order |= static_cast<unsigned>(entry[k + 1]) << (4 * k);
    }
    clues.set[h] = static_cast<std::uint8_t>(set);
    clues.order[h] = order;
}

// The grid at the start of an attempt with these clues: the given cells hold them, every
// open cell the digits its hexagon's clues leave.
void HexWordsFromClues(const HexWordBoard& board, const DealtClues& clues, HexWordGrid& grid);

// The deduction cycles of one attempt, at most hexTotal × 5, on a grid as
// HexWordsFromClues leaves it: Complete when every cell holds one digit, Failed on a
// contradiction or when the cycles run out.
Verdict RunHexWordAttempt(const HexWordBoard& board, HexWordGrid& grid);

void HexWordsToGrid(const HexWordBoard& board, const HexWordGrid& words, CandidateGrid& grid);

}  // namespace lumeta
