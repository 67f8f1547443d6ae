// Reading a large puzzle file: counting its lines, loading its last puzzle, and both in
// one pass, beside `wc -l` on the same file for scale.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "board/board_layout.h"
#include "board/puzzle_state.h"
#include "puzzlefiles/line_scanner.h"
#include "puzzlefiles/puzzle_loader.h"

namespace {

constexpr int kLines = 1'000'000;

// 1,000,000 lines of 42 digits with CR LF: 44 MB, written once per run.
const std::string& BigFile() {
    static const std::string path = [] {
        const auto file = std::filesystem::temp_directory_path() / "lumeta-bench-1m.txt";
        if (!std::filesystem::exists(file) ||
            std::filesystem::file_size(file) != static_cast<std::uintmax_t>(kLines) * 44) {
            std::ofstream out(file, std::ios::binary);
            std::string line = "436362521621541653453236124326145253415461\r\n";
            for (int i = 0; i < kLines; ++i) {
                line[i % 42] = static_cast<char>('1' + i % 6);
                out << line;
            }
        }
        return file.string();
    }();
    return path;
}

void BM_CountPuzzles(benchmark::State& state) {
    const std::string& file = BigFile();
    for (auto _ : state) {
        const int count = lumeta::CountPuzzles(file);
        if (count != kLines) state.SkipWithError("wrong count");
        benchmark::DoNotOptimize(count);
    }
}
BENCHMARK(BM_CountPuzzles)->Unit(benchmark::kMillisecond);

void BM_LoadLastPuzzle(benchmark::State& state) {
    const std::string& file = BigFile();
    lumeta::BoardLayout layout;
    lumeta::PuzzleState puzzle;
    lumeta::BuildBoard(layout, puzzle);
    lumeta::CurrentPuzzle current;
    current.PuzzleCount = kLines;
    for (auto _ : state) {
        int n = kLines;
        int err = 0;
        const auto report = lumeta::LoadPuzzle(layout, puzzle, current, file, n, err);
        if (!report.loaded()) state.SkipWithError("not loaded");
    }
}
BENCHMARK(BM_LoadLastPuzzle)->Unit(benchmark::kMillisecond);

// What `show FILE -1` reads: the count and the last line in one pass.
void BM_CountAndKeepLastLine(benchmark::State& state) {
    const std::string& file = BigFile();
    for (auto _ : state) {
        const lumeta::LineScan scan = lumeta::CountAndKeepLine(file, -1, 42);
        if (scan.lines != kLines || scan.text.size() != 42) state.SkipWithError("wrong scan");
    }
}
BENCHMARK(BM_CountAndKeepLastLine)->Unit(benchmark::kMillisecond);

// The yardstick: `wc -l` on the same file, the process start included.
void BM_WcReference(benchmark::State& state) {
    const std::string command = "wc -l '" + BigFile() + "' > /dev/null";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) state.SkipWithError("wc failed");
    }
}
BENCHMARK(BM_WcReference)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
