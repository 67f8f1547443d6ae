#include "generator/puzzle_solver.h"

#include <algorithm>
#include <array>
#include <vector>

#include "generator/indexed_board.h"

namespace lumeta {

namespace {

using Arrangement = std::array<std::uint8_t, 6>;  // digit of sides 1..6

const std::vector<Arrangement>& AllArrangements() {
    static const std::vector<Arrangement> all = [] {
        std::vector<Arrangement> list;
        Arrangement a = {1, 2, 3, 4, 5, 6};
        do
            list.push_back(a);
        while (std::next_permutation(a.begin(), a.end()));
        return list;
    }();
    return all;
}

class Search {
  public:
    Search(const IndexedBoard& board, int limit) : board_(board), limit_(limit) {}

    SolutionCount Run(std::string_view line) {
        // Each hexagon may take the arrangements of 1..6 that agree with its clues.
        options_.assign(board_.hexTotal + 1, {});
        for (int h = 1; h <= board_.hexTotal; ++h) {
            for (const Arrangement& a : AllArrangements()) {
                bool fits = true;
                for (int s = 1; s <= 6 && fits; ++s) {
                    const int i = CellIndex(h, s);
                    if (!board_.given[i]) continue;
                    const std::size_t at = static_cast<std::size_t>(board_.linePos[i]);
                    fits = at < line.size() && line[at] == static_cast<char>('0' + a[s - 1]);
                }
                if (fits) options_[h].push_back(a);
            }
        }
        PlanOrder();
        digit_.fill(0);
        Place(0);
        return result_;
    }

  private:
    // Hexagons in an order where each one touches as many placed ones as possible, so
    // the touching sums prune early; ties go to the hexagon with fewer arrangements.
    void PlanOrder() {
        order_.clear();
        std::vector<bool> placed(board_.hexTotal + 1, false);
        for (int step = 0; step < board_.hexTotal; ++step) {
            int best = 0, bestLinks = -1;
            std::size_t bestOptions = 0;
            for (int h = 1; h <= board_.hexTotal; ++h) {
                if (placed[h]) continue;
                int links = 0;
                for (int s = 1; s <= 6; ++s) {
                    const int t = board_.touch[CellIndex(h, s)];
                    if (t >= 0 && placed[t / 6 + 1]) ++links;
                }
                if (links > bestLinks || (links == bestLinks && options_[h].size() < bestOptions)) {
                    best = h;
                    bestLinks = links;
                    bestOptions = options_[h].size();
                }
            }
            placed[best] = true;
            order_.push_back(best);
        }
    }

    void Place(std::size_t step) {
        if (result_.count >= limit_) return;
        if (step == order_.size()) {
            if (result_.count++ == 0) result_.firstLine = Line();
            return;
        }
        const int h = order_[step];
        for (const Arrangement& a : options_[h]) {
            bool fits = true;
            for (int s = 1; s <= 6 && fits; ++s) {
                const int t = board_.touch[CellIndex(h, s)];
                if (t >= 0 && digit_[t] != 0) fits = digit_[t] + a[s - 1] == 7;
            }
            if (!fits) continue;
            for (int s = 1; s <= 6; ++s)
                digit_[CellIndex(h, s)] = a[s - 1];
            Place(step + 1);
            for (int s = 1; s <= 6; ++s)
                digit_[CellIndex(h, s)] = 0;
            if (result_.count >= limit_) return;
        }
    }

    std::string Line() const {
        std::string line(static_cast<std::size_t>(board_.cellCount), ' ');
        for (int i = 0; i < board_.cellCount; ++i)
            line[static_cast<std::size_t>(board_.linePos[i])] = static_cast<char>('0' + digit_[i]);
        return line;
    }

    const IndexedBoard& board_;
    const int limit_;
    std::vector<std::vector<Arrangement>> options_;
    std::vector<int> order_;
    std::array<int, kCellIndexMax> digit_{};  // 0 while the cell's hexagon is not placed
    SolutionCount result_;
};

}  // namespace

SolutionCount CountSolutions(const BoardLayout& layout, std::string_view line, int limit) {
    const IndexedBoard board = IndexBoard(layout);
    if (board.cellCount == 0 || limit <= 0) return {};
    return Search(board, limit).Run(line);
}

}  // namespace lumeta
