#include "generator/puzzle_generator.h"

#include <array>
#include <cstring>
#include <utility>

#include "generator/big_board_create.h"
#include "generator/hex_words.h"
#include "generator/solution_screen.h"

namespace lumeta {

void SetOpenCandidates(const IndexedBoard& board, CandidateGrid& grid) {
    for (int h = 1; h <= board.hexTotal; ++h) {
        const int first = CellIndex(h, 1);
        DigitSet clues = 0;
        for (int i = first; i < first + 6; ++i)
            if (board.given[i]) clues |= grid.cell[i];
        const DigitSet open = RemoveDigits(kAllDigits, clues);
        for (int i = first; i < first + 6; ++i)
            if (!board.given[i]) grid.cell[i] = open;
    }
}

void StartAttempt(const IndexedBoard& board, CandidateGrid& grid, DigitPerm& perm,
                  RandomSource& random) {
    // Every hexagon gets its shuffle, also one without clues, so the draws per attempt
    // do not depend on the layout's clue cells.
    for (int h = 1; h <= board.hexTotal; ++h) {
        ShuffleDigits(perm, random);
        int k = 0;
        for (int s = 1; s <= 6; ++s) {
            const int i = CellIndex(h, s);
            if (board.given[i]) grid.cell[i] = DigitBit(perm.entry[++k]);
        }
    }
    SetOpenCandidates(board, grid);
}

Verdict RunAttempt(const IndexedBoard& board, CandidateGrid& grid) {
    const int cycles = board.hexTotal * 5;
    const std::size_t bytes = static_cast<std::size_t>(board.cellCount) * sizeof(DigitSet);
    for (int cycle = 1; cycle <= cycles; ++cycle) {
        CandidateGrid before;
        std::memcpy(before.cell.data(), grid.cell.data(), bytes);

        if (ApplyTouchRule(board, grid) == Verdict::Failed) return Verdict::Failed;
        ApplyPairRule(board, grid);
        if (CheckBoardState(board, grid) == Verdict::Failed) return Verdict::Failed;
        ApplyLoneDigitRule(board, grid);
        const Verdict verdict = CheckBoardState(board, grid);
        if (verdict != Verdict::Open) return verdict;

        // The rules depend on the grid alone: a cycle that changed nothing would repeat
        // unchanged until the cycles run out, so the attempt has stalled already.
        if (std::memcmp(before.cell.data(), grid.cell.data(), bytes) == 0) return Verdict::Failed;
    }
    return Verdict::Failed;
}

long long CreatePuzzle(const BoardLayout& layout, PuzzleState& puzzle, DigitPerm& perm,
                       RandomSource& random, const AttemptHook& perAttempt) {
    if (layout.HexTotal > 7) return CreateShownPuzzle(layout, puzzle, random, perAttempt);
    const IndexedBoard board = IndexBoard(layout);
    if (board.cellCount == 0) return 0;  // no board built: nothing to make
    const HexWordBoard wordBoard = MakeHexWordBoard(board);
    const SolutionScreen screen(wordBoard);

    // StartHexWordAttempt in two halves. Each attempt's draws (a shuffle of six per
    // hexagon) are made while the attempt before is dealt from its own: every draw waits
    // on the one before, and the dealing fills that wait.
    const int draws = 6 * board.hexTotal;
    std::array<std::uint64_t, 6 * kHexMax> drawsA, drawsB;
    std::uint64_t* current = drawsA.data();
    std::uint64_t* next = drawsB.data();
    random.MakeDraws(current, draws, [](int) {});
    std::array<int, 7> entry = perm.entry;
    DealtClues clues;
    HexWordGrid words;
    long long attempts = 0;
    for (;;) {
        if (perAttempt) perAttempt();
        ++attempts;
        const std::uint64_t afterCurrent = random.Position();
        int h = 1, n = 6;
        random.MakeDraws(next, draws, [&](int d) {
            std::swap(entry[RandomSource::ValueOf(current[d], n)], entry[n]);
            if (--n == 0) {
                TakeClues(wordBoard, entry, h++, clues);
                n = 6;
            }
        });
        if (screen.MaySolve(clues)) {
            HexWordsFromClues(wordBoard, clues, words);
            if (RunHexWordAttempt(wordBoard, words) == Verdict::Complete) {
                random.ReturnTo(afterCurrent);  // the next attempt's draws go unused
                break;
            }
        }
        std::swap(current, next);
    }
    perm.entry = entry;
    CandidateGrid grid;
    HexWordsToGrid(wordBoard, words, grid);
    GridToSolution(board, grid, puzzle);
    return attempts;
}

}  // namespace lumeta
