#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lumeta {

// The print window's range box, read as the player typed it ("5-10", " 5 - 10").
struct PrintRangeChoice {
    enum class Verdict { Accepted, SpecifyRange, RangeNotCorrect };
    Verdict verdict = Verdict::SpecifyRange;
    int from = 0;
    int to = 0;
};

// Checks a typed range against a file of `puzzleCount` puzzles: a dash is needed, each
// side is read as the number it starts with (no digits give 0), both must be at least 1 and
// in order, and a number beyond 32 bits is no range. The end may lie beyond the file; the
// start may not.
PrintRangeChoice ParsePrintRange(std::string_view text, int puzzleCount);

// The message for a refused range: "Specify print range" or "Print range not correct".
std::string PrintRangeMessage(PrintRangeChoice::Verdict verdict);

// An accepted range as the range box's tag carries it: both numbers with leading zeros to
// the same width, five digits or more ("0000500010" for 5 to 10).
std::string PrintRangeTag(int from, int to);
struct PrintRangeBounds {
    int from = 0;
    int to = 0;
};
std::optional<PrintRangeBounds> ReadPrintRangeTag(std::string_view tag);

}  // namespace lumeta
