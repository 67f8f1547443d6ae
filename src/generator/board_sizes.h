#pragma once

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "board/board_layout.h"
#include "board/puzzle_state.h"

namespace lumeta {

// "42, 60, 84 or 114": the lengths a puzzle line's solution may have, for messages.
inline constexpr const char* kPuzzleLengths = "42, 60, 84 or 114";

// What a reader needs per board size (a counter, a grader), made from that board's layout
// when a line of that size first comes. A file may mix sizes; each board is built once.
template <typename PerBoard>
class PerBoardSize {
  public:
    // The board of numHex hexagons and its PerBoard; nullptr for a count no board has.
    PerBoard* For(int numHex) {
        const int k = SizeIndex(numHex);
        if (k < 0) return nullptr;
        Slot& slot = slots_[static_cast<std::size_t>(k)];
        if (!slot.made) {
            slot.layout = std::make_unique<BoardLayout>();
            slot.layout->NumHex = numHex;
            PuzzleState scratch;
            BuildBoard(*slot.layout, scratch);
            slot.made = std::make_unique<PerBoard>(*slot.layout);
        }
        return slot.made.get();
    }
    // The same for the board a line's length tells (BoardHexagonsForLine).
    PerBoard* ForLine(std::string_view line) { return For(BoardHexagonsForLine(line)); }
    // The layout For(numHex) built; call For first.
    const BoardLayout& Layout(int numHex) const {
        return *slots_[static_cast<std::size_t>(SizeIndex(numHex))].layout;
    }

  private:
    static int SizeIndex(int numHex) {
        const auto* found = std::find(kBoardHexCounts.begin(), kBoardHexCounts.end(), numHex);
        return found == kBoardHexCounts.end() ? -1
                                              : static_cast<int>(found - kBoardHexCounts.begin());
    }
    struct Slot {
        std::unique_ptr<BoardLayout> layout;  // stays put: PerBoard may keep a reference
        std::unique_ptr<PerBoard> made;
    };
    std::array<Slot, kBoardHexCounts.size()> slots_;
};

// Why a line fits no board: "has 5 characters, not 42, 60, 84 or 114".
inline std::string NoBoardProblem(std::string_view line) {
    const std::size_t length = SolutionFieldLength(line);
    return "has " + std::to_string(length) + (length == 1 ? " character" : " characters") +
           (length == line.size() ? "" : " before its first blank") + ", not " + kPuzzleLengths;
}

}  // namespace lumeta
