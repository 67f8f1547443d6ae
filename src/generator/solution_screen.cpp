#include "generator/solution_screen.h"

#include <algorithm>

#include "generator/digit_set.h"

namespace lumeta {

namespace {

// Digit sets as six bits, bit d - 1 for digit d.
//
// Walking the ring: hexagon k gets `in` on its side towards hexagon k - 1 (7 less the
// digit there) and picks the digit of its side towards k + 1; the third digit faces the
// centre and must differ from those of the hexagons before (`facing`). The last
// hexagon's digit towards hexagon 0 is set by the start: `last`.
template <int K>
bool Walk(const std::uint8_t* open, const std::uint8_t* towardsNext, unsigned in, unsigned facing,
          unsigned last) {
    if constexpr (K == 5) {
        return (towardsNext[5] & last) != 0 && last != in && (open[5] & ~in & ~last & facing) == 0;
    } else {
        for (unsigned outs = towardsNext[K] & ~in; outs != 0; outs &= outs - 1) {
            const unsigned out = outs & (0u - outs);
            const unsigned centre = open[K] & ~in & ~out;
            if ((centre & facing) != 0) continue;
            if (Walk<K + 1>(open, towardsNext, ComplementDigits(out), facing | centre, last))
                return true;
        }
        return false;
    }
}

}  // namespace

SolutionScreen::SolutionScreen(const HexWordBoard& board) {
    if (board.hexTotal != 7) return;
    const auto touchingHex = [&](int h, int side) { return board.touchByte[h][side] / 8; };
    int centre = 0;
    for (int h = 1; h <= 7 && centre == 0; ++h) {
        bool ringed = board.givenCount[h] == 0;
        for (int s = 0; s < 6; ++s)
            for (int t = 0; t < s; ++t)
                ringed = ringed && touchingHex(h, s) != 0 && touchingHex(h, s) != touchingHex(h, t);
        if (ringed) centre = h;
    }
    if (centre == 0) return;

    // Each ring hexagon: three given sides touching nothing, one open side towards the
    // centre and one towards each of two other ring hexagons.
    std::array<std::array<int, 2>, kHexMax + 1> neighbours{};
    for (int h = 1; h <= 7; ++h) {
        if (h == centre) continue;
        if (board.givenCount[h] != 3) return;
        int towardsCentre = 0, found = 0;
        for (int s = 0; s < 6; ++s) {
            const int t = touchingHex(h, s);
            const bool open = (board.openLanes[h] >> (8 * s) & 0xff) != 0;
            if (open != (t != 0)) return;
            if (t == centre) {
                ++towardsCentre;
            } else if (t != 0) {
                if (found == 2 || t == h) return;
                neighbours[h][found++] = t;
            }
        }
        if (towardsCentre != 1 || found != 2 || neighbours[h][0] == neighbours[h][1]) return;
    }
    // The ring hexagons must form one closed ring of six.
    int previous = 0, at = centre == 1 ? 2 : 1;
    for (int k = 0; k < 6; ++k) {
        if (std::find(ring_.begin(), ring_.begin() + k, at) != ring_.begin() + k) return;
        ring_[k] = at;
        const int next = neighbours[at][0] != previous ? neighbours[at][0] : neighbours[at][1];
        previous = at;
        at = next;
    }
    applies_ = at == ring_[0];
}

bool SolutionScreen::AnySolution(const std::array<std::uint8_t, 6>& open) {
    // The digits hexagon k may hold on its side towards hexagon k + 1: its own, whose 7
    // less the next hexagon holds. With none for some k, there is no solution.
    std::array<std::uint8_t, 6> towardsNext;
    unsigned none = 0;
    for (int k = 0; k < 6; ++k) {
        towardsNext[k] = open[k] & ComplementDigits(open[(k + 1) % 6]);
        none |= towardsNext[k] == 0;
    }
    if (none) return false;
    // Hexagon 0's side towards hexagon 5 holds 7 less that hexagon's digit towards it.
    for (unsigned ins = ComplementDigits(towardsNext[5]); ins != 0; ins &= ins - 1) {
        const unsigned in = ins & (0u - ins);
        for (unsigned outs = towardsNext[0] & ~in; outs != 0; outs &= outs - 1) {
            const unsigned out = outs & (0u - outs);
            const unsigned centre = open[0] & ~in & ~out;
            if (Walk<1>(open.data(), towardsNext.data(), ComplementDigits(out), centre,
                        ComplementDigits(in)))
                return true;
        }
    }
    return false;
}

}  // namespace lumeta
