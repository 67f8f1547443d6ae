#include "generator/big_board_create.h"

#include <algorithm>
#include <array>
#include <utility>

namespace lumeta {

namespace {

// Boards that take longer than this to fill start over from fresh draws: going back
// further than a few hexagons means an early choice left little room.
constexpr int kFillStepsMax = 20000;

class SolutionFiller {
  public:
    SolutionFiller(const IndexedBoard& board, RandomSource& random, KnownDigits& digits)
        : board_(board), random_(random), digits_(digits) {}

    bool Fill(int h) {
        if (h > board_.hexTotal) return true;
        if (++steps_ > kFillStepsMax) return false;
        // The sides towards hexagons placed already must take 7 less the digit there.
        std::array<int, 6> freeSides{};
        int freeCount = 0;
        DigitSet demanded = 0;
        for (int s = 0; s < 6; ++s) {
            const int i = CellIndex(h, s + 1);
            const int t = board_.touch[i];
            if (t >= 0 && t / 6 + 1 < h) {
                const DigitSet bit = DigitBit(7 - digits_[t]);
                if (demanded & bit) return false;  // two sides would need the same digit
                demanded |= bit;
                digits_[i] = 7 - digits_[t];
            } else {
                freeSides[freeCount++] = i;
            }
        }
        std::array<int, 6> freeDigits{};
        int k = 0;
        for (int d = 1; d <= 6; ++d)
            if (!(demanded & DigitBit(d))) freeDigits[k++] = d;
        random_.DrawDown(freeCount,
                         [&](int n, int j) { std::swap(freeDigits[j - 1], freeDigits[n - 1]); });
        // Every order of the free digits, from the random one drawn.
        std::array<int, 6> order{0, 1, 2, 3, 4, 5};
        do {
            for (int f = 0; f < freeCount; ++f)
                digits_[freeSides[f]] = freeDigits[order[f]];
            if (Fill(h + 1)) return true;
            if (steps_ > kFillStepsMax) return false;
        } while (std::next_permutation(order.begin(), order.begin() + freeCount));
        return false;
    }

  private:
    const IndexedBoard& board_;
    RandomSource& random_;
    KnownDigits& digits_;
    int steps_ = 0;
};

// True when the player fills the whole board from the shown compartments alone, and
// fills it with these digits.
bool PlayerSolves(PlayerModel& model, const KnownDigits& digits,
                  const std::array<bool, kCellIndexMax>& shown, int cellCount) {
    KnownDigits known{};
    for (int i = 0; i < cellCount; ++i)
        known[i] = shown[i] ? digits[i] : 0;
    return model.Solve(known).solved &&
           std::equal(known.begin(), known.begin() + cellCount, digits.begin());
}

}  // namespace

void FillRandomSolution(const IndexedBoard& board, RandomSource& random, KnownDigits& digits) {
    for (;;) {
        SolutionFiller filler(board, random, digits);
        if (filler.Fill(1)) return;
    }
}

long long CreateShownPuzzle(const BoardLayout& layout, PuzzleState& puzzle, RandomSource& random,
                            const AttemptHook& perAttempt) {
    const IndexedBoard board = IndexBoard(layout);
    if (board.cellCount == 0) return 0;
    PlayerModel model(board);
    KnownDigits digits{};
    std::array<bool, kCellIndexMax> shown{};
    long long attempts = 0;
    for (;;) {
        if (perAttempt) perAttempt();
        ++attempts;
        FillRandomSolution(board, random, digits);
        KnownDigits known{};
        for (int i = 0; i < board.cellCount; ++i) {
            shown[i] = board.given[i];
            known[i] = shown[i] ? digits[i] : 0;
        }
        // Show what the player cannot reach, one compartment at a time. The moves are
        // sound, so what they decided stays decided and the next solve starts from there.
        std::array<int, kCellIndexMax> extra{};
        int extraCount = 0;
        while (!model.Solve(known).solved) {
            std::array<int, kCellIndexMax> open{};
            int openCount = 0;
            for (int i = 0; i < board.cellCount; ++i)
                if (known[i] == 0) open[openCount++] = i;
            if (openCount == 0) break;  // filled, but not by the moves: cannot happen
            const int pick = open[random.Draw(openCount) - 1];
            shown[pick] = true;
            known[pick] = digits[pick];
            extra[extraCount++] = pick;
        }
        // Hide again what the player turns out not to need, in random order.
        random.DrawDown(extraCount, [&](int n, int j) { std::swap(extra[j - 1], extra[n - 1]); });
        bool checked = false;
        for (int k = 0; k < extraCount; ++k) {
            shown[extra[k]] = false;
            checked = PlayerSolves(model, digits, shown, board.cellCount);
            if (!checked) shown[extra[k]] = true;
        }
        if (!checked && !PlayerSolves(model, digits, shown, board.cellCount)) continue;

        ShowOuterSides(layout, puzzle);
        for (auto& row : puzzle.Shown)
            row.fill(0);
        for (int i = 0; i < board.cellCount; ++i) {
            puzzle.Solution[board.row[i]][board.col[i]].assign(1,
                                                               static_cast<char>('0' + digits[i]));
            puzzle.Shown[board.row[i]][board.col[i]] = shown[i] ? 1 : 0;
        }
        puzzle.HasView = true;
        return attempts;
    }
}

}  // namespace lumeta
