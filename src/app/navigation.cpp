#include "app/navigation.h"

namespace lumeta {

std::optional<int> NavigateTarget(int index, int button, int puzzleNo, int puzzleCount,
                                  RandomSource& random) {
    constexpr int kRightButton = 2;
    switch (index) {
        case kPrevious: {
            // Compared before stepping, so no puzzle number can step past the int range.
            int target = puzzleNo <= 1 ? puzzleCount : puzzleNo - 1;
            if (button == kRightButton) target = 1;
            return target;
        }
        case kRandom: {
            // An emptied file still draws, and lands on 1.
            if (puzzleCount < 1) {
                random.DrawUnit();
                return 1;
            }
            return random.Draw(puzzleCount);
        }
        case kNext: {
            int target = puzzleNo >= puzzleCount ? 1 : puzzleNo + 1;
            if (button == kRightButton) target = puzzleCount;
            return target;
        }
        default:
            return std::nullopt;
    }
}

}  // namespace lumeta
