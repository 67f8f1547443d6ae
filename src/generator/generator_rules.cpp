#include "generator/generator_rules.h"

#include <utility>

#include "board/num_text.h"

namespace lumeta {

namespace {

// The number a two-candidate text spells ("25" is 25), for the order of the pair rule.
constexpr std::array<int, 64> MakePairKeys() {
    std::array<int, 64> keys{};
    for (int low = 1; low <= 6; ++low)
        for (int high = low + 1; high <= 6; ++high)
            keys[DigitBit(low) | DigitBit(high)] = low * 10 + high;
    return keys;
}
constexpr std::array<int, 64> kPairKey = MakePairKeys();

bool IsOpen(DigitSet set) {
    return (set & (set - 1)) != 0;
}  // two or more digits

}  // namespace

DigitSet FixedDigits(const IndexedBoard&, const CandidateGrid& grid, int hex) {
    DigitSet fixed = 0;
    const int first = CellIndex(hex, 1);
    for (int i = first; i < first + 6; ++i)
        if (IsSingleDigit(grid.cell[i])) fixed |= grid.cell[i];
    return fixed;
}

DigitSet TouchAllowed(const IndexedBoard& board, const CandidateGrid& grid, int hex, int side) {
    const int i = CellIndex(hex, side);
    if (board.given[i] || IsSingleDigit(grid.cell[i]) || board.touch[i] < 0) return 0;
    const DigitSet touching = grid.cell[board.touch[i]];
    return touching == 0 ? kAllDigits : ComplementDigits(touching);
}

void RemoveFixedDigits(const IndexedBoard& board, CandidateGrid& grid) {
    for (int h = 1; h <= board.hexTotal; ++h) {
        const DigitSet fixed = FixedDigits(board, grid, h);
        const int first = CellIndex(h, 1);
        for (int i = first; i < first + 6; ++i)
            if (IsOpen(grid.cell[i])) grid.cell[i] = RemoveDigits(grid.cell[i], fixed);
    }
}

Verdict ApplyTouchRule(const IndexedBoard& board, CandidateGrid& grid) {
    RemoveFixedDigits(board, grid);
    for (int h = 1; h <= board.hexTotal; ++h) {
        const DigitSet fixed = FixedDigits(board, grid, h);  // once, before the sides
        for (int s = 1; s <= 6; ++s) {
            DigitSet& cell = grid.cell[CellIndex(h, s)];
            if (IsSingleDigit(cell)) continue;
            const DigitSet allowed = TouchAllowed(board, grid, h, s);
            if (allowed == 0) continue;
            const DigitSet left = RemoveDigits(CommonDigits(allowed, cell), fixed);
            if (left == 0) return Verdict::Failed;
            // An empty cell stays empty here (the check reports it); otherwise `left` is
            // a subset of the cell and replaces it when it is smaller.
            if (DigitCount(left) < DigitCount(cell)) cell = left;
        }
    }
    return Verdict::Complete;
}

void ApplyPairRule(const IndexedBoard& board, CandidateGrid& grid) {
    RemoveFixedDigits(board, grid);
    for (int h = 1; h <= board.hexTotal; ++h) {
        const int first = CellIndex(h, 1);
        DigitSet pairs[6];
        int pairCount = 0;
        for (int i = first; i < first + 6; ++i)
            if (DigitCount(grid.cell[i]) == 2) pairs[pairCount++] = grid.cell[i];
        if (pairCount < 2) continue;

        // The pairs held by exactly two cells, in ascending order of the numbers they spell.
        DigitSet owned[3];
        int ownedCount = 0;
        for (int a = 0; a < pairCount; ++a) {
            int same = 0;
            bool seenBefore = false;
            for (int b = 0; b < pairCount; ++b) {
                if (pairs[b] != pairs[a]) continue;
                ++same;
                if (b < a) seenBefore = true;
            }
            if (same == 2 && !seenBefore) owned[ownedCount++] = pairs[a];
        }
        for (int a = 1; a < ownedCount; ++a)
            for (int b = a; b > 0 && kPairKey[owned[b]] < kPairKey[owned[b - 1]]; --b)
                std::swap(owned[b], owned[b - 1]);

        for (int p = 0; p < ownedCount; ++p)
            for (int i = first; i < first + 6; ++i)
                if (DigitCount(grid.cell[i]) > 2)
                    grid.cell[i] = RemoveDigits(grid.cell[i], owned[p]);
    }
}

void ApplyLoneDigitRule(const IndexedBoard& board, CandidateGrid& grid) {
    for (int h = 1; h <= board.hexTotal; ++h) {
        const int first = CellIndex(h, 1);
        // Digits met once and more than once over the six cells, counted before any change.
        DigitSet once = 0;
        DigitSet more = 0;
        for (int i = first; i < first + 6; ++i) {
            more |= once & grid.cell[i];
            once |= grid.cell[i];
        }
        const DigitSet lone = RemoveDigits(once, more);
        if (lone == 0) continue;
        // Each lone digit lies in one cell only. Taken in ascending order, the first lone
        // digit of an open cell fixes it; a later one then finds the cell no longer open.
        for (int i = first; i < first + 6; ++i) {
            const DigitSet hit = grid.cell[i] & lone;
            if (hit && IsOpen(grid.cell[i])) grid.cell[i] = hit & static_cast<DigitSet>(-hit);
        }
    }
}

Verdict CheckTouchSums(const IndexedBoard& board, const CandidateGrid& grid) {
    for (int i = 0; i < board.cellCount; ++i) {
        const int t = board.touch[i];
        if (t < 0) continue;
        const DigitSet a = grid.cell[i];
        const DigitSet b = grid.cell[t];
        if (IsSingleDigit(a) && IsSingleDigit(b) && ComplementDigits(a) != b)
            return Verdict::Failed;
    }
    return Verdict::Complete;
}

Verdict CheckBoardState(const IndexedBoard& board, const CandidateGrid& grid) {
    bool open = false;
    for (int h = 1; h <= board.hexTotal; ++h) {
        const int first = CellIndex(h, 1);
        DigitSet fixed = 0;
        for (int i = first; i < first + 6; ++i) {
            const DigitSet cell = grid.cell[i];
            if (cell == 0) return Verdict::Failed;
            if (IsOpen(cell)) {
                open = true;
            } else {
                if (fixed & cell) return Verdict::Failed;  // a digit fixed twice
                fixed |= cell;
            }
        }
    }
    const Verdict sums = CheckTouchSums(board, grid);
    // A broken touching pair fails the attempt only once no cell is open.
    return open ? Verdict::Open : sums;
}

std::string FixedDigits(const BoardLayout& layout, const PuzzleState& puzzle, int hex) {
    std::string fixed;
    for (int s = 1; s <= 6; ++s) {
        const int cell = layout.HexCell[hex][s];
        const std::string& text = puzzle.Solution[layout.CellRow[cell]][layout.CellCol[cell]];
        if (text.size() == 1) fixed += text;
    }
    return fixed;
}

std::string TouchAllowed(const BoardLayout& layout, const PuzzleState& puzzle, int hex, int side) {
    const int cell = layout.HexCell[hex][side];
    const int row = layout.CellRow[cell];
    const int col = layout.CellCol[cell];
    const int touching = layout.TouchCell[hex][side];
    if (layout.Given[row][col] == 1 || puzzle.Solution[row][col].size() == 1 || touching == 0)
        return "";
    const std::string& other = puzzle.Solution[layout.CellRow[touching]][layout.CellCol[touching]];
    if (other.empty()) return "123456";
    std::string allowed;
    for (char c : other)
        allowed += NumText(7 - (c - '0'));
    return allowed;
}

void GridFromSolution(const IndexedBoard& board, const PuzzleState& puzzle, CandidateGrid& grid) {
    for (int i = 0; i < board.cellCount; ++i)
        grid.cell[i] = DigitSetOf(puzzle.Solution[board.row[i]][board.col[i]]);
}

void GridToSolution(const IndexedBoard& board, const CandidateGrid& grid, PuzzleState& puzzle) {
    for (int i = 0; i < board.cellCount; ++i)
        puzzle.Solution[board.row[i]][board.col[i]] = DigitSetText(grid.cell[i]);
}

}  // namespace lumeta
