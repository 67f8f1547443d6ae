#include "generator/puzzle_generator.h"

#include <array>
#include <utility>

#include "generator/big_board_create.h"
#include "generator/hex_words.h"
#include "generator/solution_screen.h"

namespace lumeta {

long long CreatePuzzle(const BoardLayout& layout, PuzzleState& puzzle, DigitPerm& perm,
                       RandomSource& random, const AttemptHook& perAttempt) {
    if (layout.HexTotal > 7) return CreateShownPuzzle(layout, puzzle, random, perAttempt);
    const IndexedBoard board = IndexBoard(layout);
    if (board.cellCount == 0) return 0;  // no board built: nothing to make
    const HexWordBoard wordBoard = MakeHexWordBoard(board);
    const SolutionScreen screen(wordBoard);

    // Each attempt shuffles DigitPerm once per hexagon and takes that hexagon's clues from
    // it. The draws of an attempt (six per hexagon) are made while the attempt before is
    // dealt from its own: every draw waits on the one before, and the dealing fills that wait.
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
