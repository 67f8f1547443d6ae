#include "generator/puzzle_solver.h"

#include <gtest/gtest.h>

#include "generator/puzzle_check.h"
#include "generator/puzzle_generator.h"
#include "support/board_fixture.h"

namespace lumeta {
namespace {

using testing::BuiltBoard;

// A second, plainer search: cell by cell in line order, each digit 1..6 that is new to
// its hexagon and makes 7 with an already filled touching cell.
class CellSearch {
  public:
    CellSearch(const BoardLayout& layout, std::string_view clues, int limit)
        : board_(IndexBoard(layout)), limit_(limit) {
        byPosition_.resize(static_cast<std::size_t>(board_.cellCount));
        for (int i = 0; i < board_.cellCount; ++i) {
            byPosition_[static_cast<std::size_t>(board_.linePos[i])] = i;
            if (board_.given[i]) clue_[i] = clues[board_.linePos[i]] - '0';
        }
    }
    int Count() {
        Fill(0);
        return count_;
    }

  private:
    void Fill(std::size_t position) {
        if (count_ >= limit_) return;
        if (position == byPosition_.size()) {
            ++count_;
            return;
        }
        const int i = byPosition_[position];
        for (int d = 1; d <= 6; ++d) {
            if (clue_[i] != 0 && d != clue_[i]) continue;
            bool fits = true;
            const int first = (i / 6) * 6;
            for (int j = first; j < first + 6; ++j)
                fits = fits && digit_[j] != d;
            const int t = board_.touch[i];
            if (t >= 0 && digit_[t] != 0) fits = fits && digit_[t] + d == 7;
            if (!fits) continue;
            digit_[i] = d;
            Fill(position + 1);
            digit_[i] = 0;
        }
    }

    IndexedBoard board_;
    int limit_;
    std::vector<int> byPosition_;
    std::array<int, kCellIndexMax> clue_{};
    std::array<int, kCellIndexMax> digit_{};
    int count_ = 0;
};

// The clue digits of an attempt's start as a puzzle line (open cells as '0').
std::string ClueLine(const IndexedBoard& board, const CandidateGrid& grid) {
    std::string line(static_cast<std::size_t>(board.cellCount), '0');
    for (int i = 0; i < board.cellCount; ++i)
        if (board.given[i])
            line[board.linePos[i]] = static_cast<char>('0' + SingleDigit(grid.cell[i]));
    return line;
}

TEST(CountSolutions, AgreesWithACellByCellSearchOnRandomClueSets) {
    testing::Board b = BuiltBoard(7);
    const IndexedBoard board = IndexBoard(b.layout);
    CandidateGrid grid;
    RandomSource random = RandomSource::Fixed(8);
    DigitPerm perm;
    // Most random clue sets have no solution; about one in 200 has one, as many several.
    int none = 0, one = 0, several = 0;
    for (int n = 0; n < 3000; ++n) {
        StartAttempt(board, grid, perm, random);
        const std::string clues = ClueLine(board, grid);
        const SolutionCount found = CountSolutions(b.layout, clues, 20);
        ASSERT_EQ(found.count, CellSearch(b.layout, clues, 20).Count()) << clues;
        (found.count == 0 ? none : found.count == 1 ? one : several)++;
        if (found.count > 0) {
            const LineCheck check = CheckPuzzleLine(b.layout, found.firstLine);
            EXPECT_TRUE(check.valid) << found.firstLine << ": " << check.problem;
            for (int i = 0; i < board.cellCount; ++i) {
                if (board.given[i]) {
                    EXPECT_EQ(found.firstLine[board.linePos[i]], clues[board.linePos[i]]);
                }
            }
        }
    }
    // The sample covers clue sets without, with one and with several solutions.
    EXPECT_GT(none, 0);
    EXPECT_GT(one, 0);
    EXPECT_GT(several, 0);
}

TEST(CountSolutions, StopsAtTheLimit) {
    testing::Board b = BuiltBoard(7);
    const IndexedBoard board = IndexBoard(b.layout);
    CandidateGrid grid;
    RandomSource random = RandomSource::Fixed(8);
    DigitPerm perm;
    for (;;) {
        StartAttempt(board, grid, perm, random);
        const std::string clues = ClueLine(board, grid);
        if (CountSolutions(b.layout, clues, 10).count < 3) continue;
        EXPECT_EQ(CountSolutions(b.layout, clues, 2).count, 2);
        EXPECT_EQ(CountSolutions(b.layout, clues, 1).count, 1);
        break;
    }
}

TEST(CountSolutions, FindsNoneForClueDigitsOutsideOneToSixOrAShortLine) {
    testing::Board b = BuiltBoard(7);
    EXPECT_EQ(CountSolutions(b.layout, std::string(42, '9'), 2).count, 0);
    EXPECT_EQ(CountSolutions(b.layout, "436", 2).count, 0);
}

}  // namespace
}  // namespace lumeta
