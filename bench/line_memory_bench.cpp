// Memory and speed of remembering lines at scale: the bytes a made puzzle costs in the set
// that create and create-multi keep (beside a set of strings, the way it was), and
// `check` on a file of 90% repeats, which proves each distinct line once.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <string>
#include <unordered_set>
#include <vector>

#include "board/board_layout.h"
#include "board/puzzle_state.h"
#include "generator/line_set.h"
#include "generator/puzzle_check.h"
#include "generator/puzzle_generator.h"
#include "generator/random_source.h"
#include "generator/text_lines.h"

namespace {

namespace fs = std::filesystem;
using namespace lumeta;

std::size_t HeapBytes() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

std::string RandomPuzzleLine(RandomSource& random) {
    std::string line(42, '1');
    for (char& c : line)
        c = static_cast<char>('0' + random.Draw(6));
    return line;
}

// Range 0: the packed set of create and create-multi; 1: a set of case-folded strings.
void BM_RememberMillionPuzzleLines(benchmark::State& state) {
    constexpr std::size_t kLines = 1000000;
    for (auto _ : state) {
        RandomSource random = RandomSource::Fixed(9);
        const std::size_t before = HeapBytes();
        std::size_t kept = 0, bytes = 0;
        if (state.range(0) == 0) {
            DistinctLines lines;
            lines.Reserve(kLines);
            for (std::size_t i = 0; i < kLines; ++i)
                lines.Insert(RandomPuzzleLine(random));
            kept = lines.size();
            bytes = HeapBytes() - before;
        } else {
            std::unordered_set<std::string> lines;
            for (std::size_t i = 0; i < kLines; ++i)
                lines.insert(FoldCase(RandomPuzzleLine(random)));
            kept = lines.size();
            bytes = HeapBytes() - before;
        }
        state.counters["bytes/line"] = static_cast<double>(bytes) / static_cast<double>(kept);
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_RememberMillionPuzzleLines)
    ->ArgName("string_set")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// The digits 1..6 renamed so that pairs adding to 7 stay pairs: a made puzzle stays a
// valid puzzle with one solution, so 48 of them come from each made one.
std::string Renamed(const std::string& line, int renaming) {
    std::array<int, 3> pairOf = {0, 1, 2};
    for (int i = 0; i < renaming / 8; ++i)
        std::next_permutation(pairOf.begin(), pairOf.end());
    std::string renamed = line;
    for (char& c : renamed) {
        const int d = c - '0', pair = std::min(d, 7 - d) - 1;
        const bool high = (d > 3) != (((renaming >> pair) & 1) != 0);
        c = static_cast<char>('0' + (high ? 6 - pairOf[pair] : pairOf[pair] + 1));
    }
    return renamed;
}

// 1,000,000 lines, every tenth distinct (100,000 valid puzzles), the rest repeats of them.
void BM_CheckFileOfRepeats(benchmark::State& state) {
    const fs::path folder = fs::temp_directory_path() / "lumeta-generator-bench";
    fs::create_directories(folder);
    const fs::path file = folder / "repeats-1000000.txt";
    BoardLayout layout;
    PuzzleState puzzle;
    BuildBoard(layout, puzzle);
    {
        std::vector<std::string> distinct;
        DigitPerm perm;
        RandomSource random = RandomSource::Fixed(11);
        while (distinct.size() < 100000) {
            CreatePuzzle(layout, puzzle, perm, random);
            const std::string made = PuzzleLine(layout, puzzle);
            for (int renaming = 0; renaming < 48; ++renaming)
                distinct.push_back(Renamed(made, renaming));
        }
        std::ofstream out(file, std::ios::binary);
        for (int i = 0; i < 1000000; ++i)
            out << distinct[i % 10 == 0 ? i / 10 : random.Draw(100000) - 1] << "\r\n";
    }
    for (auto _ : state) {
        const FileCheck check = CheckPuzzleFile(layout, file.string());
        if (check.unique != 1000000) state.SkipWithError("not every line proved unique");
        state.counters["distinct"] = static_cast<double>(check.distinct);
    }
    state.SetItemsProcessed(state.iterations() * 1000000);
}
BENCHMARK(BM_CheckFileOfRepeats)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
