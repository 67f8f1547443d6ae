#pragma once

#include <array>
#include <cstdint>

#include "generator/hex_words.h"
#include "generator/indexed_board.h"

namespace lumeta {

// A quick look at a fresh deal before the deduction runs: do its clues leave any
// solution at all? About 99 deals in 100 leave none.
//
// An attempt that completes holds a solution of its clues: every cell one digit, each
// hexagon 1..6 once, every touching pair adding to 7, the given cells as dealt. So a
// deal without a solution can only fail, and skipping its deduction changes no verdict.
//
// The look works on the board the generator makes puzzles on: a centre hexagon without
// clues, ringed by six hexagons whose three open sides touch the centre and their two
// ring neighbours. Each ring hexagon's open cells hold the three digits its clues leave,
// in some order, and the centre holds 1..6 once exactly when the six digits facing it
// differ. On any other board the screen lets every deal through.
class SolutionScreen {
  public:
    explicit SolutionScreen(const HexWordBoard& board);

    bool Applies() const { return applies_; }

    // False only when the dealt clues have no solution.
    bool MaySolve(const DealtClues& clues) const {
        if (!applies_) return true;
        std::array<std::uint8_t, 6> open;
        for (int k = 0; k < 6; ++k)
            open[k] = static_cast<std::uint8_t>(~clues.set[ring_[k]] & 0x3f);
        return AnySolution(open);
    }

    // The search itself, on the open digits of the ring hexagons in ring order (bit
    // d - 1 for digit d, three digits each).
    static bool AnySolution(const std::array<std::uint8_t, 6>& open);

  private:
    bool applies_ = false;
    std::array<int, 6> ring_{};  // the ring hexagons in order around the centre
};

}  // namespace lumeta
