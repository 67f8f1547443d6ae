#include "generator/puzzle_check.h"

#include "board/num_text.h"
#include "board/puzzle_state.h"
#include "generator/board_sizes.h"
#include "generator/indexed_board.h"
#include "generator/line_set.h"
#include "generator/puzzle_solver.h"
#include "generator/whole_file.h"

namespace lumeta {

namespace {

LineCheck CheckLine(const IndexedBoard& board, SolutionCounter& counter,
                    std::string_view wholeLine) {
    LineCheck check;
    const std::size_t length = static_cast<std::size_t>(board.cellCount);
    // A view field after the solution must be usable: a check does not fall back on the
    // outer sides as the window does.
    const PuzzleLineFields fields = SplitPuzzleLine(wholeLine, length);
    if (!fields.problem.empty()) {
        check.problem = fields.problem;
        return check;
    }
    const bool hasView = !fields.view.empty();
    const std::string_view line = hasView ? fields.solution : wholeLine;
    if (line.size() != length) {
        // A line no board takes is told so; one of another board's length is not this one's.
        check.problem = BoardHexagonsForLine(wholeLine) == 0
                            ? NoBoardProblem(wholeLine)
                            : "has " + NumText(static_cast<long long>(line.size())) +
                                  " characters, not " + NumText(static_cast<long long>(length));
        return check;
    }
    for (std::size_t k = 0; k < line.size(); ++k) {
        if (line[k] < '1' || line[k] > '6') {
            check.problem =
                "character " + NumText(static_cast<long long>(k + 1)) + " is not a digit 1..6";
            return check;
        }
    }
    auto digitAt = [&](int index) { return line[board.linePos[index]] - '0'; };
    for (int h = 1; h <= board.hexTotal; ++h) {
        DigitSet seen = 0;
        for (int s = 1; s <= 6; ++s)
            seen |= DigitBit(digitAt(CellIndex(h, s)));
        if (seen != kAllDigits) {
            check.problem = "hexagon " + NumText(h) + " does not hold 1..6 once each";
            return check;
        }
    }
    for (int i = 0; i < board.cellCount; ++i) {
        const int t = board.touch[i];
        if (t < 0 || t < i) continue;  // each pair once
        if (digitAt(i) + digitAt(t) != 7) {
            check.problem = "hexagon " + NumText(i / 6 + 1) + " side " + NumText(i % 6 + 1) +
                            " and hexagon " + NumText(t / 6 + 1) + " side " + NumText(t % 6 + 1) +
                            " add up to " + NumText(digitAt(i) + digitAt(t)) + ", not 7";
            return check;
        }
    }
    check.valid = true;
    check.hasView = hasView;
    check.unique =
        (hasView ? counter.CountView(fields.view, 2) : counter.Count(line, 2)).count == 1;
    if (!check.unique)
        check.problem = hasView ? "the cells its view shows have more than one solution"
                                : "its clues have more than one solution";
    return check;
}

// The tables of one board size, made once for a whole file.
struct SizeCheck {
    explicit SizeCheck(const BoardLayout& layout) : board(IndexBoard(layout)), counter(layout) {}
    IndexedBoard board;
    SolutionCounter counter;
};

}  // namespace

LineCheck CheckPuzzleLine(const BoardLayout& layout, std::string_view line) {
    SolutionCounter counter(layout);
    return CheckLine(IndexBoard(layout), counter, line);
}

std::string FileCheck::Summary() const {
    return NumText(lines) + " lines, " + NumText(valid) + " valid, " + NumText(unique) +
           " unique, " + NumText(distinct) + " distinct";
}

FileCheck CheckPuzzleFile(const BoardLayout& layout, const std::string& path, std::size_t keepBad) {
    FileCheck result;
    // The board and the search's tables once for the whole file: the board in hand for
    // lines of its size, the others' when a line of theirs comes. Every distinct line is
    // kept with its verdict, so a repeated line is counted without proving it again.
    SizeCheck own(layout);
    PerBoardSize<SizeCheck> others;
    const auto checkLine = [&](std::string_view line) {
        const int hexagons = BoardHexagonsForLine(line);
        SizeCheck* size = hexagons == own.board.hexTotal ? &own : others.For(hexagons);
        if (size) return CheckLine(size->board, size->counter, line);
        LineCheck check;
        check.problem = NoBoardProblem(line);
        return check;
    };
    constexpr unsigned kValid = 1, kUnique = 2;
    DistinctLines seen;
    std::string problem;
    const bool read = ReadLinesOf(
        path, [&](std::uint64_t bytes) { seen.ReserveForFile(bytes); },
        [&](std::string_view line) {
            ++result.lines;
            int verdict = seen.Find(line);
            LineCheck check;
            if (verdict < 0) {
                ++result.distinct;
                check = checkLine(line);
                verdict = (check.valid ? kValid : 0) | (check.unique ? kUnique : 0);
                seen.Add(line, static_cast<unsigned>(verdict));
            }
            if (verdict & kValid) ++result.valid;
            if (verdict & kUnique) ++result.unique;
            if (verdict == (kValid | kUnique)) return;
            ++result.bad;
            if (result.firstBad.size() >= keepBad) return;
            if (check.problem.empty()) check = checkLine(line);  // a repeat
            result.firstBad.push_back({result.lines, check.problem});
        },
        problem);
    if (!read) return FileCheck{};
    result.readable = true;
    return result;
}

}  // namespace lumeta
