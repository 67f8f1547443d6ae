// Grading and graded creation: puzzles graded per second over fresh puzzles, and graded
// puzzles made per second on the clock for each grade.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "board/board_layout.h"
#include "board/puzzle_state.h"
#include "generator/graded_create.h"
#include "generator/player_model.h"
#include "generator/puzzle_generator.h"
#include "generator/random_source.h"

namespace {

using namespace lumeta;

std::vector<std::string> FreshLines(int count) {
    BoardLayout layout;
    PuzzleState puzzle;
    BuildBoard(layout, puzzle);
    DigitPerm perm;
    RandomSource random = RandomSource::Fixed(11);
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i) {
        CreatePuzzle(layout, puzzle, perm, random);
        lines.push_back(PuzzleLine(layout, puzzle));
    }
    return lines;
}

void BM_GradePuzzle(benchmark::State& state) {
    BoardLayout layout;
    PuzzleState puzzle;
    BuildBoard(layout, puzzle);
    PuzzleGrader grader(layout);
    const std::vector<std::string> lines = FreshLines(1000);
    std::size_t next = 0;
    for (auto _ : state) {
        Grade grade = Grade::Easy;
        benchmark::DoNotOptimize(grader.GradeLine(lines[next], grade));
        benchmark::DoNotOptimize(grade);
        next = (next + 1) % lines.size();
    }
    state.counters["puzzles/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_GradePuzzle);

// Range 0: the grade, Easy = 0 .. Expert = 3; the clock re-seeds before every draw.
void BM_CreateGraded(benchmark::State& state) {
    BoardLayout layout;
    PuzzleState puzzle;
    BuildBoard(layout, puzzle);
    GradedCreator creator(layout);
    DigitPerm perm;
    RandomSource random = RandomSource::FromClock();
    const Grade grade = static_cast<Grade>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(creator.Create(grade, puzzle, perm, random));
    state.SetLabel(GradeName(grade));
    state.counters["puzzles/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_CreateGraded)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
