// Puzzles on the boards of 10, 14 and 19 hexagons, one core: puzzles per second, and how
// many inner compartments each shows besides the outer sides (mean, least, most and how
// many puzzles show each count, as counters shown_0, shown_1, ...).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <string>

#include "board/board_layout.h"
#include "board/puzzle_state.h"
#include "generator/puzzle_generator.h"
#include "generator/random_source.h"

namespace {

using namespace lumeta;

int ExtraShown(const BoardLayout& layout, const PuzzleState& puzzle) {
    int extra = 0;
    for (int row = 1; row <= layout.GridRows; ++row)
        for (int col = 1; col <= layout.GridCols; ++col)
            extra += layout.IsBoardCell(row, col) && puzzle.Shown[row][col] == 1 &&
                     layout.Given[row][col] != 1;
    return extra;
}

// Range 0: hexagons; range 1: 0 the clock re-seeds before every draw, 1 a fixed seed.
void BM_CreateBigPuzzle(benchmark::State& state) {
    BoardLayout layout;
    layout.NumHex = static_cast<int>(state.range(0));
    PuzzleState puzzle;
    BuildBoard(layout, puzzle);
    DigitPerm perm;
    RandomSource random = state.range(1) == 0 ? RandomSource::FromClock() : RandomSource::Fixed(1);
    std::array<long long, 16> histogram{};
    long long total = 0;
    int least = 1000, most = 0;
    for (auto _ : state) {
        CreatePuzzle(layout, puzzle, perm, random);
        const int extra = ExtraShown(layout, puzzle);
        ++histogram[static_cast<std::size_t>(std::min(extra, 15))];
        total += extra;
        least = std::min(least, extra);
        most = std::max(most, extra);
    }
    state.SetItemsProcessed(state.iterations());
    const double made = static_cast<double>(state.iterations());
    state.counters["shown_mean"] = static_cast<double>(total) / made;
    state.counters["shown_min"] = least;
    state.counters["shown_max"] = most;
    for (int k = 0; k <= std::min(most, 15); ++k)
        state.counters["shown_" + std::to_string(k)] = static_cast<double>(histogram[k]);
}
BENCHMARK(BM_CreateBigPuzzle)
    ->ArgNames({"hexagons", "fixed_seed"})
    ->Args({10, 0})
    ->Args({10, 1})
    ->Args({14, 0})
    ->Args({14, 1})
    ->Args({19, 0})
    ->Args({19, 1})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(3.0);

}  // namespace

BENCHMARK_MAIN();
