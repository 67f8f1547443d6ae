// Puzzle files: counting, loading line n (-1, the first, the last, past the end and one
// picked by the input), writing a loaded puzzle and loading it back. The first byte picks
// the puzzle and whether the input is placed across a scanner block boundary.
#include <climits>
#include <cstdint>

#include "board/board_layout.h"
#include "board/puzzle_state.h"
#include "fuzz_support.h"
#include "generator/text_lines.h"
#include "puzzlefiles/line_scanner.h"
#include "puzzlefiles/puzzle_loader.h"
#include "puzzlefiles/puzzle_writer.h"

namespace lumeta {
namespace {

constexpr std::size_t kScannerBlock = 1 << 20;

struct Board {
    BoardLayout layout;
    PuzzleState puzzle;
    Board() { BuildBoard(layout, puzzle); }
};

// Loads puzzle n; when it loads, writes it alone to a file and loads it from there again.
void LoadAndWriteBack(const std::string& file, int count, int n) {
    Board board;
    CurrentPuzzle current;
    current.PuzzleCount = count;
    int err = 0;
    const int asked = n;
    const LoadReport report = LoadPuzzle(board.layout, board.puzzle, current, file, n, err);
    if (err != 0) LUMETA_FUZZ_REQUIRE(!report.loaded());
    if (asked == -1 && count > 0) LUMETA_FUZZ_REQUIRE(n == count);
    if (asked > count) LUMETA_FUZZ_REQUIRE(!report.loaded());
    if (!report.loaded()) return;

    const std::string line = PuzzleLine(board.layout, board.puzzle);
    const std::string copy = fuzz::ScratchFile("copy.txt");
    LUMETA_FUZZ_REQUIRE(WritePuzzleLine(board.layout, board.puzzle, copy, WriteMode::Replace));
    Board again;
    CurrentPuzzle currentAgain;
    currentAgain.PuzzleCount = CountPuzzles(copy);
    LUMETA_FUZZ_REQUIRE(currentAgain.PuzzleCount == 1);
    int one = 1;
    LUMETA_FUZZ_REQUIRE(
        LoadPuzzle(again.layout, again.puzzle, currentAgain, copy, one, err).loaded());
    LUMETA_FUZZ_REQUIRE(PuzzleLine(again.layout, again.puzzle) == line);
}

}  // namespace
}  // namespace lumeta

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lumeta;
    if (size == 0) return 0;
    const unsigned pick = data[0];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::string file = fuzz::ScratchFile("puzzles.txt");
    fuzz::WriteBytes(file, text);

    const int count = CountPuzzles(file);
    const TextLines whole = ReadTextLines(file);
    LUMETA_FUZZ_REQUIRE(whole.readable);
    LUMETA_FUZZ_REQUIRE(static_cast<std::size_t>(count) == whole.lines.size());
    // Each scan takes a megabyte block, which is slow under the sanitizers: few of them.
    for (int n : {-1, count + 1, static_cast<int>(pick % (count + 2)) + 1, INT_MAX})
        LoadAndWriteBack(file, count, n);

    // Every line the scanner finds is the line the whole-file reader finds.
    for (std::size_t n = 1; n <= whole.lines.size() && n <= 3; ++n) {
        const LineScan scan = ScanLines(file, static_cast<std::int64_t>(n), 64);
        LUMETA_FUZZ_REQUIRE(scan.found);
        LUMETA_FUZZ_REQUIRE(scan.text == whole.lines[n - 1].substr(0, 64));
    }

    // The same lines behind a first line that ends just before a block boundary: the
    // count grows by one and every line moves down by one. A megabyte per run is slow,
    // so one input in sixty-four does it; the boundary falls at the start of the input,
    // its middle, two thirds or three quarters into it.
    if ((pick & 63) == 1) {
        const std::size_t into = text.size() - text.size() / (1 + (pick >> 6));
        const std::size_t lead = kScannerBlock - 1 - into;
        std::string padded(lead, 'x');
        padded += '\n';
        padded.append(text);
        const std::string shifted = fuzz::ScratchFile("shifted.txt");
        fuzz::WriteBytes(shifted, padded);
        LUMETA_FUZZ_REQUIRE(CountPuzzles(shifted) == count + 1);
        const std::size_t n = 1 + pick % 3;
        if (n <= whole.lines.size()) {
            const LineScan scan = ScanLines(shifted, static_cast<std::int64_t>(n + 1), 64);
            LUMETA_FUZZ_REQUIRE(scan.found && scan.text == whole.lines[n - 1].substr(0, 64));
        }
    }
    return 0;
}
