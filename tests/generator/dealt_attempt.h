#pragma once

#include "generator/hex_words.h"
#include "generator/puzzle_generator.h"

namespace lumeta::testing {

// One attempt dealt plainly, hexagon after hexagon: a shuffle of DigitPerm, then its clues.
inline void DealAttempt(const HexWordBoard& words, DigitPerm& perm, RandomSource& random,
                        HexWordGrid& grid) {
    DealtClues clues;
    for (int h = 1; h <= words.hexTotal; ++h) {
        ShuffleDigits(perm, random);
        TakeClues(words, perm.entry, h, clues);
    }
    HexWordsFromClues(words, clues, grid);
}

}  // namespace lumeta::testing
