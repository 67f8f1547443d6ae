#include "puzzlefiles/puzzle_loader.h"

#include <limits>

#include "board/num_text.h"
#include "puzzlefiles/line_scanner.h"

namespace lumeta {

namespace {

// The board a loaded line goes on: its own, or the 7-hexagon board when none fits.
int BoardHexagonsToLoad(int lineHexagons) {
    return lineHexagons != 0 ? lineHexagons : 7;
}

// The longest solution field a line may have: the 19-hexagon board's.
constexpr std::size_t kLargestBoardCells = 6 * 19;

}  // namespace

int PuzzleCountOf(std::int64_t lines) {
    return lines <= std::numeric_limits<int>::max() ? static_cast<int>(lines) : 0;
}

int CountPuzzles(const std::string& file) {
    const LineScan scan = ScanLines(file);
    return scan.readable ? PuzzleCountOf(scan.lines) : 0;
}

std::string PuzzleLabelText(int puzzleNo, int puzzleCount) {
    return "p#" + BlankNumText(puzzleNo) + " of" + BlankNumText(puzzleCount);
}

std::string FileLabelText(const std::string& file) {
    const auto slash = file.find_last_of('/');
    return slash == std::string::npos ? file : file.substr(slash + 1);
}

LoadReport LoadPuzzle(BoardLayout& layout, PuzzleState& puzzle, CurrentPuzzle& current,
                      const std::string& file, int& n, int& err) {
    LoadReport report;
    if (current.PuzzleCount == 0) {
        report.kind = LoadReport::Kind::NoPuzzles;
        report.message = file + " does not appear to have any puzzles";
        return report;
    }
    if (n > current.PuzzleCount) {
        err = -1;
        report.kind = LoadReport::Kind::NumberTooHigh;
        return report;
    }
    if (n == -1) n = current.PuzzleCount;

    // Line n of the file; n of 0 or below reads no line and loads an empty one. Only the
    // characters the largest board has cells for, and its view field, are kept.
    std::string line;
    if (n > 0) {
        LineScan scan = ScanLines(file, n, PuzzleLineKeepChars(kLargestBoardCells));
        if (!scan.readable || !scan.found) {
            err = -1;
            report.kind = LoadReport::Kind::Unreadable;
            return report;
        }
        line = std::move(scan.text);
    }
    report.lineHexagons = BoardHexagonsForLine(line);
    report.lineLength = SolutionFieldLength(line);
    const int hexagons = BoardHexagonsToLoad(report.lineHexagons);
    if (layout.HexTotal != hexagons) {
        layout.NumHex = hexagons;
        BuildBoard(layout, puzzle);
    }
    report.viewProblem = PlacePuzzleLine(layout, puzzle, line);

    report.kind = LoadReport::Kind::Loaded;
    report.puzzleLabel = PuzzleLabelText(n, current.PuzzleCount);
    report.fileLabel = FileLabelText(file);
    report.fileTooltip = file;
    current.PuzzleNo = n;
    current.PuzzleFile = file;
    err = 0;
    return report;
}

}  // namespace lumeta
