#include "generator/hex_words.h"

#include <bit>
#include <utility>

namespace lumeta {

namespace {

// Each byte of a word is a lane; a lane holds a digit set 0..63, so its top bit is free
// for the borrow-free tricks below.
constexpr HexWord kLaneOnes = 0x0000'0101'0101'0101ULL;  // 1 in each of the six lanes
constexpr HexWord kLaneTops = kLaneOnes * 0x80;          // the top bit of each lane
constexpr HexWord kLaneLow7 = kLaneOnes * 0x7f;

// The top bit of each lane that is not zero.
constexpr HexWord NonZeroTops(HexWord x) {
    return ((x | kLaneTops) - kLaneOnes) & kLaneTops;
}
// The top bit of each lane with two or more digits (x & (x - 1) is not zero).
constexpr HexWord OpenTops(HexWord x) {
    return NonZeroTops(x & ((x | kLaneTops) - kLaneOnes));
}
// Top bits widened to whole lanes.
constexpr HexWord WholeLanes(HexWord tops) {
    return (tops >> 7) * 0xff;
}
// The union of the six lanes.
constexpr unsigned UnionOfLanes(HexWord x) {
    x |= x >> 32;
    x |= x >> 16;
    x |= x >> 8;
    return static_cast<unsigned>(x & 0x3f);
}
// The digits held by two or more lanes.
constexpr unsigned RepeatedDigits(HexWord x) {
    HexWord once = x | (x >> 32);
    HexWord more = x & (x >> 32);
    more |= (more >> 16) | (once & (once >> 16));
    once |= once >> 16;
    more |= (more >> 8) | (once & (once >> 8));
    return static_cast<unsigned>(more & 0x3f);
}
// Each lane's digits d turned into 7 - d: what the touching side allows.
constexpr HexWord ComplementLanes(HexWord x) {
    return ((x & kLaneOnes * 0x01) << 5) | ((x & kLaneOnes * 0x02) << 3) |
           ((x & kLaneOnes * 0x04) << 1) | ((x >> 1) & kLaneOnes * 0x04) |
           ((x >> 3) & kLaneOnes * 0x02) | ((x >> 5) & kLaneOnes * 0x01);
}
// The lowest digit of each lane.
constexpr HexWord LowestDigits(HexWord x) {
    return x & ((~x & kLaneLow7) + kLaneOnes);
}

// The fixed digits of the hexagon struck from its open cells.
constexpr HexWord RemoveFixed(HexWord x) {
    const HexWord open = WholeLanes(OpenTops(x));
    return x & ~(open & (UnionOfLanes(x & ~open) * kLaneOnes));
}

HexWord Lane(HexWord x, int side) {
    return (x >> (8 * side)) & 0xff;
}

// The pair rule after RemoveFixed, lane by lane. Rare enough (two cells of two digits
// and one of more) that plain code does.
HexWord StrikeOwnedPairs(HexWord x) {
    DigitSet cell[6];
    for (int s = 0; s < 6; ++s)
        cell[s] = static_cast<DigitSet>(Lane(x, s));
    DigitSet owned[3];
    int ownedCount = 0;
    for (int a = 0; a < 6; ++a) {
        if (DigitCount(cell[a]) != 2) continue;
        int same = 0;
        bool seenBefore = false;
        for (int b = 0; b < 6; ++b) {
            if (cell[b] != cell[a]) continue;
            ++same;
            if (b < a) seenBefore = true;
        }
        if (same == 2 && !seenBefore) owned[ownedCount++] = cell[a];
    }
    if (ownedCount == 0) return x;
    // In ascending order of the numbers the pairs spell: the lower first digit first,
    // then the lower second digit. Reversed bits order them so, from the top.
    const auto spelled = [](DigitSet pair) { return 64 - ComplementDigits(pair); };
    for (int a = 1; a < ownedCount; ++a)
        for (int b = a; b > 0 && spelled(owned[b]) < spelled(owned[b - 1]); --b)
            std::swap(owned[b], owned[b - 1]);
    for (int p = 0; p < ownedCount; ++p)
        for (DigitSet& c : cell)
            if (DigitCount(c) > 2) c = RemoveDigits(c, owned[p]);
    HexWord result = 0;
    for (int s = 0; s < 6; ++s)
        result |= HexWord{cell[s]} << (8 * s);
    return result;
}

// The pair rule: only cells of more than two digits lose digits, and only when two cells
// have two, so the digits of each cell are counted first.
inline HexWord PairRule(HexWord x) {
    HexWord count = x - ((x >> 1) & kLaneOnes * 0x55);
    count = (count & kLaneOnes * 0x33) + ((count >> 2) & kLaneOnes * 0x33);
    count = (count + (count >> 4)) & kLaneOnes * 0x0f;
    const HexWord moreThanTwo = (count + kLaneOnes * 0x7d) & kLaneTops;
    if (moreThanTwo == 0) return x;
    const HexWord two = ~NonZeroTops(count ^ kLaneOnes * 2) & kLaneTops;
    if ((two & (two - 1)) == 0) return x;  // fewer than two pairs
    return StrikeOwnedPairs(x);
}

// A digit possible in one cell only becomes that cell's digit; of two such digits in
// one cell the lower wins.
HexWord LoneDigitRule(HexWord x) {
    const unsigned lone = UnionOfLanes(x) & ~RepeatedDigits(x);
    if (lone == 0) return x;
    const HexWord hit = x & (lone * kLaneOnes);
    const HexWord change = WholeLanes(OpenTops(x) & NonZeroTops(hit));
    return (x & ~change) | (LowestDigits(hit) & change);
}

// The cells that touch hexagon h, lane by lane.
HexWord TouchingCells(const HexWordBoard& board, const HexWordGrid& grid, int h) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(grid.hex.data());
    const std::uint16_t* at = board.touchByte[h].data();
    return HexWord{bytes[at[0]]} | HexWord{bytes[at[1]]} << 8 | HexWord{bytes[at[2]]} << 16 |
           HexWord{bytes[at[3]]} << 24 | HexWord{bytes[at[4]]} << 32 | HexWord{bytes[at[5]]} << 40;
}

}  // namespace

HexWordBoard MakeHexWordBoard(const IndexedBoard& board) {
    HexWordBoard words;
    words.hexTotal = board.hexTotal;
    for (int h = 1; h <= board.hexTotal; ++h) {
        for (int s = 1; s <= 6; ++s) {
            const int i = CellIndex(h, s);
            const HexWord lane = HexWord{0xff} << (8 * (s - 1));
            if (board.given[i])
                words.givenShift[h][words.givenCount[h]++] = static_cast<std::uint8_t>(8 * (s - 1));
            else
                words.openLanes[h] |= lane;
            const int t = board.touch[i];
            if (t < 0) continue;
            words.touchLanes[h] |= lane;
            // The touching cell's byte in the grid's memory.
            const int inWord = std::endian::native == std::endian::little ? t % 6 : 7 - t % 6;
            words.touchByte[h][s - 1] = static_cast<std::uint16_t>((t / 6 + 1) * 8 + inWord);
        }
    }
    return words;
}

void HexWordsFromClues(const HexWordBoard& board, const DealtClues& clues, HexWordGrid& grid) {
    for (int h = 1; h <= board.hexTotal; ++h) {
        HexWord word = 0;
        for (int k = 0; k < board.givenCount[h]; ++k)
            word |= HexWord{1} << ((clues.order[h] >> (4 * k) & 0xf) - 1) << board.givenShift[h][k];
        const unsigned open = RemoveDigits(kAllDigits, clues.set[h]);
        grid.hex[h] = word | ((open * kLaneOnes) & board.openLanes[h]);
    }
}

Verdict RunHexWordAttempt(const HexWordBoard& board, HexWordGrid& grid) {
    const int hexTotal = board.hexTotal;
    const int cycles = hexTotal * 5;
    for (int cycle = 1; cycle <= cycles; ++cycle) {
        HexWord changed = 0;  // the bits this cycle changed

        // The touch rule. An empty cell fails the attempt in this cycle whatever the
        // rules do after (no rule fills it), so it fails at once, and then no touching
        // cell below is empty. On a fresh deal the open cells hold no clue digit already,
        // so the first cycle has nothing to strike.
        if (cycle > 1) {
            HexWord empty = 0;
            for (int h = 1; h <= hexTotal; ++h) {
                const HexWord x = RemoveFixed(grid.hex[h]);
                changed |= x ^ grid.hex[h];
                grid.hex[h] = x;
                empty |= ~NonZeroTops(x);
            }
            if (empty & kLaneTops) return Verdict::Failed;
        }
        // Hexagon by hexagon: a later hexagon sees the changes to earlier ones.
        for (int h = 1; h <= hexTotal; ++h) {
            const HexWord x = grid.hex[h];
            const HexWord open = WholeLanes(OpenTops(x));
            const HexWord active = open & board.touchLanes[h];
            if (active == 0) continue;
            const HexWord fixed = UnionOfLanes(x & ~open) * kLaneOnes;
            const HexWord left = x & ComplementLanes(TouchingCells(board, grid, h)) & ~fixed;
            if (active & kLaneTops & ~NonZeroTops(left)) return Verdict::Failed;
            changed |= (x ^ left) & active;
            grid.hex[h] = (x & ~active) | (left & active);
        }

        // The pair rule, the lone digit rule and the check. Hexagons do not interact here.
        // The check after the pair rule is left out: what it fails on (an empty cell, a
        // digit fixed twice) the lone digit rule never mends, so the later check fails too.
        HexWord open = 0;
        for (int h = 1; h <= hexTotal; ++h) {
            const HexWord x = LoneDigitRule(PairRule(RemoveFixed(grid.hex[h])));
            changed |= x ^ grid.hex[h];
            grid.hex[h] = x;
            const HexWord openTops = OpenTops(x);
            if (NonZeroTops(x) != kLaneTops || RepeatedDigits(x & ~WholeLanes(openTops)) != 0)
                return Verdict::Failed;
            open |= openTops;
        }
        if (open == 0) {
            for (int h = 1; h <= hexTotal; ++h) {
                const HexWord broken =
                    (ComplementLanes(TouchingCells(board, grid, h)) ^ grid.hex[h]) &
                    board.touchLanes[h];
                if (broken) return Verdict::Failed;
            }
            return Verdict::Complete;
        }

        // A cycle that changed nothing would repeat unchanged until the cycles run out.
        if (changed == 0) return Verdict::Failed;
    }
    return Verdict::Failed;
}

void HexWordsToGrid(const HexWordBoard& board, const HexWordGrid& words, CandidateGrid& grid) {
    for (int h = 1; h <= board.hexTotal; ++h)
        for (int s = 1; s <= 6; ++s)
            grid.cell[CellIndex(h, s)] = static_cast<DigitSet>(Lane(words.hex[h], s - 1));
}

}  // namespace lumeta
