// The puzzle generator and the batch tools at full size: puzzles per second with the clock
// re-seeding before every draw and with a fixed seed, made puzzles proved unique per second,
// a batch of 32000 against a collection of 32000, and de-duplicating and shuffling a file
// of 1,000,000 lines.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "board/board_layout.h"
#include "board/puzzle_state.h"
#include "generator/batch_create.h"
#include "generator/dedupe_shuffle.h"
#include "generator/puzzle_check.h"
#include "generator/puzzle_generator.h"
#include "generator/random_source.h"

namespace {

namespace fs = std::filesystem;
using namespace lumeta;

fs::path BenchFolder() {
    const fs::path folder = fs::temp_directory_path() / "lumeta-generator-bench";
    fs::create_directories(folder);
    return folder;
}

// Lines of 42 digits 1..6 from a fixed source: for look-ups and sorting they cost what
// puzzles cost. Every tenth line repeats an earlier one.
void WriteLines(const fs::path& file, int count) {
    std::ofstream out(file, std::ios::binary);
    RandomSource random = RandomSource::Fixed(5);
    std::string line(42, '1');
    std::string earlier = line;
    for (int i = 0; i < count; ++i) {
        if (i % 10 == 9) {
            out << earlier << "\r\n";
            continue;
        }
        for (char& c : line)
            c = static_cast<char>('0' + random.Draw(6));
        if (i % 1000 == 0) earlier = line;
        out << line << "\r\n";
    }
}

// Range 0: the clock re-seeds before every draw; 1: a fixed seed (a constant timer).
void BM_CreatePuzzle(benchmark::State& state) {
    BoardLayout layout;
    PuzzleState puzzle;
    BuildBoard(layout, puzzle);
    DigitPerm perm;
    RandomSource random = state.range(0) == 0 ? RandomSource::FromClock() : RandomSource::Fixed(1);
    long long attempts = 0;
    for (auto _ : state) {
        attempts += CreatePuzzle(layout, puzzle, perm, random);
        benchmark::DoNotOptimize(puzzle.Solution[1][5]);
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["attempts/puzzle"] =
        static_cast<double>(attempts) / static_cast<double>(state.iterations());
    // Seconds per attempt, shown scaled (e.g. 1.2u).
    state.counters["time/attempt"] = benchmark::Counter(
        static_cast<double>(attempts), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_CreatePuzzle)
    ->ArgName("fixed_seed")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond)
    ->MinTime(3.0);

// `check` on 6,000 made puzzles: lines proved unique per second.
void BM_CheckPuzzleFile(benchmark::State& state) {
    const fs::path file = BenchFolder() / "made-6000.txt";
    BoardLayout layout;
    PuzzleState puzzle;
    BuildBoard(layout, puzzle);
    {
        std::ofstream out(file, std::ios::binary);
        DigitPerm perm;
        RandomSource random = RandomSource::Fixed(6);
        for (int i = 0; i < 6000; ++i) {
            CreatePuzzle(layout, puzzle, perm, random);
            out << PuzzleLine(layout, puzzle) << "\r\n";
        }
    }
    for (auto _ : state) {
        const FileCheck check = CheckPuzzleFile(layout, file.string());
        if (check.unique != 6000) state.SkipWithError("not every puzzle proved unique");
    }
    state.SetItemsProcessed(state.iterations() * 6000);
}
BENCHMARK(BM_CheckPuzzleFile)->Unit(benchmark::kMillisecond);

void BM_CreateMulti32000Against32000(benchmark::State& state) {
    const fs::path folder = BenchFolder();
    CreateMultiOptions options;
    options.existingFile = (folder / "existing-32000.txt").string();
    options.outputFile = (folder / "new-32000.txt").string();
    options.runs = 32000;
    WriteLines(options.existingFile, 32000);
    for (auto _ : state) {
        BoardLayout layout;
        PuzzleState puzzle;
        DigitPerm perm;
        RandomSource random = RandomSource::FromClock();
        const CreateMultiResult result = CreateMulti(options, layout, puzzle, perm, random);
        if (!result.completed) state.SkipWithError(result.message.c_str());
        state.counters["new"] = static_cast<double>(result.newPuzzles);
    }
}
BENCHMARK(BM_CreateMulti32000Against32000)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

void BM_Randomize1000000Lines(benchmark::State& state) {
    const fs::path source = BenchFolder() / "lines-1000000.txt";
    WriteLines(source, 1000000);
    for (auto _ : state) {
        RandomSource random = RandomSource::FromClock();
        const RandomizeResult result = RandomizePuzzleFile(source.string(), random);
        if (!result.ok) state.SkipWithError(result.message.c_str());
        state.counters["kept"] = static_cast<double>(result.kept);
    }
}
BENCHMARK(BM_Randomize1000000Lines)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
