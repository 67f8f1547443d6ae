#include "generator/puzzle_solver.h"

#include <algorithm>

namespace lumeta {

namespace {

std::vector<std::array<int, 6>> AllArrangements() {
    std::vector<std::array<int, 6>> list;
    std::array<int, 6> a = {1, 2, 3, 4, 5, 6};
    do
        list.push_back(a);
    while (std::next_permutation(a.begin(), a.end()));
    return list;
}

int DigitOf(std::uint64_t arrangement, int shift) {
    return static_cast<int>((arrangement >> shift) & 0xff);
}

}  // namespace

// Groups the arrangements by key (0 .. keys - 1).
template <typename KeyOf>
void GroupBy(const std::vector<std::array<int, 6>>& all, std::size_t keys, KeyOf keyOf,
             std::vector<std::uint32_t>& first, std::vector<std::uint64_t>& members) {
    first.assign(keys + 1, 0);
    for (const auto& a : all)
        ++first[keyOf(a) + 1];
    for (std::size_t key = 0; key < keys; ++key)
        first[key + 1] += first[key];
    std::vector<std::uint32_t> next(first.begin(), first.end() - 1);
    members.resize(all.size());
    for (const auto& a : all) {
        std::uint64_t packed = 0;
        for (int s = 1; s <= 6; ++s)
            packed |= std::uint64_t(a[s - 1]) << (8 * (s - 1));
        members[next[keyOf(a)]++] = packed;
    }
}

SolutionCounter::SolutionCounter(const BoardLayout& layout) : board_(IndexBoard(layout)) {
    const int hexTotal = board_.hexTotal;
    clues_.resize(hexTotal + 1);
    givenSides_.assign(hexTotal + 1, 0);
    viewSides_.assign(hexTotal + 1, 0);
    key_.resize(hexTotal + 1);
    optionsBegin_.resize(hexTotal + 1);
    optionsEnd_.resize(hexTotal + 1);
    for (int h = 1; h <= hexTotal; ++h) {
        for (int s = 1; s <= 6; ++s)
            if (board_.given[CellIndex(h, s)]) givenSides_[h] |= 1u << (s - 1);
        CluesAt(givenSides_[h]);
    }
}

const SolutionCounter::HexClues& SolutionCounter::CluesAt(unsigned sides) {
    std::unique_ptr<HexClues>& made = cluesBySides_[sides & 63];
    if (made) return *made;
    static const std::vector<std::array<int, 6>> all = AllArrangements();
    made = std::make_unique<HexClues>();
    HexClues& hex = *made;
    for (int s = 1; s <= 6; ++s)
        if (sides & (1u << (s - 1))) hex.givenSides.push_back(s);
    // The clue key: the digits at the clues, read as a number in base 6.
    std::size_t keys = 1;
    for (std::size_t k = 0; k < hex.givenSides.size(); ++k)
        keys *= 6;
    const auto keyOf = [&](const std::array<int, 6>& a) {
        std::size_t key = 0;
        for (int s : hex.givenSides)
            key = key * 6 + static_cast<std::size_t>(a[s - 1] - 1);
        return key;
    };
    GroupBy(all, keys, keyOf, hex.byClues.first, hex.byClues.members);
    if (hex.givenSides.size() > 4) return hex;
    for (int s = 1; s <= 6; ++s) {
        Groups& groups = hex.byCluesAndSide[s - 1];
        const auto keyWithSide = [&](const std::array<int, 6>& a) {
            return keyOf(a) * 6 + static_cast<std::size_t>(a[s - 1] - 1);
        };
        GroupBy(all, keys * 6, keyWithSide, groups.first, groups.members);
    }
    return hex;
}

// Each hexagon may take the arrangements that agree with its clues; false when one
// cannot take any (a clue missing or not a digit 1..6).
bool SolutionCounter::FindOptions(std::string_view line) {
    for (int h = 1; h <= board_.hexTotal; ++h) {
        const HexClues& hex = *clues_[h];
        std::size_t key = 0;
        for (int s : hex.givenSides) {
            const std::size_t at = static_cast<std::size_t>(board_.linePos[CellIndex(h, s)]);
            if (at >= line.size() || line[at] < '1' || line[at] > '6') return false;
            key = key * 6 + static_cast<std::size_t>(line[at] - '1');
        }
        key_[h] = key;
        optionsBegin_[h] = hex.byClues.members.data() + hex.byClues.first[key];
        optionsEnd_[h] = hex.byClues.members.data() + hex.byClues.first[key + 1];
        if (optionsBegin_[h] == optionsEnd_[h]) return false;
    }
    return true;
}

// Hexagons in an order where each one touches as many placed ones as possible, so the
// touching sums prune early; ties go to the hexagon with fewer arrangements.
void SolutionCounter::PlanOrder() {
    const int hexTotal = board_.hexTotal;
    order_.clear();
    links_.resize(hexTotal);
    std::array<bool, kHexMax + 1> isPlaced{};
    for (int step = 0; step < hexTotal; ++step) {
        int best = 0, bestLinks = -1;
        std::ptrdiff_t bestOptions = 0;
        for (int h = 1; h <= hexTotal; ++h) {
            if (isPlaced[h]) continue;
            int links = 0;
            for (int s = 1; s <= 6; ++s) {
                const int t = board_.touch[CellIndex(h, s)];
                if (t >= 0 && isPlaced[t / 6 + 1]) ++links;
            }
            const std::ptrdiff_t options = optionsEnd_[h] - optionsBegin_[h];
            if (links > bestLinks || (links == bestLinks && options < bestOptions)) {
                best = h;
                bestLinks = links;
                bestOptions = options;
            }
        }
        std::vector<Link>& links = links_[step];
        links.clear();
        for (int s = 1; s <= 6; ++s) {
            const int t = board_.touch[CellIndex(best, s)];
            if (t >= 0 && isPlaced[t / 6 + 1])
                links.push_back({8 * (s - 1), t / 6 + 1, 8 * (t % 6)});
        }
        isPlaced[best] = true;
        order_.push_back(best);
    }
}

void SolutionCounter::Place(std::size_t step) {
    if (step == order_.size()) {
        if (result_.count++ == 0) result_.firstLine = Line();
        return;
    }
    // The digits the placed neighbours demand (7 less theirs), compared in one go.
    Arrangement mask = 0, demanded = 0;
    for (const Link& link : links_[step]) {
        mask |= Arrangement{0xff} << link.shift;
        demanded |= Arrangement(7 - DigitOf(placed_[link.otherHex], link.otherShift)) << link.shift;
    }
    const int h = order_[step];
    const Arrangement* begin = optionsBegin_[h];
    const Arrangement* end = optionsEnd_[h];
    const std::vector<Link>& links = links_[step];
    const Groups& bySide =
        links.empty() ? clues_[h]->byClues : clues_[h]->byCluesAndSide[links[0].shift / 8];
    if (!links.empty() && !bySide.first.empty()) {
        const std::size_t group =
            key_[h] * 6 + static_cast<std::size_t>((demanded >> links[0].shift) & 0xff) - 1;
        begin = bySide.members.data() + bySide.first[group];
        end = bySide.members.data() + bySide.first[group + 1];
    }
    for (const Arrangement* a = begin; a != end; ++a) {
        if ((*a & mask) != demanded) continue;
        placed_[h] = *a;
        Place(step + 1);
        if (result_.count >= limit_) return;
    }
}

std::string SolutionCounter::Line() const {
    std::string line(static_cast<std::size_t>(board_.cellCount), ' ');
    for (int i = 0; i < board_.cellCount; ++i)
        line[static_cast<std::size_t>(board_.linePos[i])] =
            static_cast<char>('0' + DigitOf(placed_[i / 6 + 1], 8 * (i % 6)));
    return line;
}

SolutionCount SolutionCounter::Count(std::string_view line, int limit) {
    return CountWith(line, givenSides_, limit);
}

SolutionCount SolutionCounter::CountView(std::string_view view, int limit) {
    for (int h = 1; h <= board_.hexTotal; ++h) {
        viewSides_[h] = 0;
        for (int s = 1; s <= 6; ++s) {
            const auto at = static_cast<std::size_t>(board_.linePos[CellIndex(h, s)]);
            if (at < view.size() && view[at] >= '1' && view[at] <= '6')
                viewSides_[h] |= 1u << (s - 1);
        }
    }
    return CountWith(view, viewSides_, limit);
}

SolutionCount SolutionCounter::CountWith(std::string_view line,
                                         const std::vector<unsigned>& clueSides, int limit) {
    result_ = {};
    for (int h = 1; h <= board_.hexTotal; ++h)
        clues_[h] = &CluesAt(clueSides[h]);
    if (board_.cellCount == 0 || limit <= 0 || !FindOptions(line)) return result_;
    limit_ = limit;
    PlanOrder();
    Place(0);
    return result_;
}

SolutionCount CountSolutions(const BoardLayout& layout, std::string_view line, int limit) {
    return SolutionCounter(layout).Count(line, limit);
}

}  // namespace lumeta
