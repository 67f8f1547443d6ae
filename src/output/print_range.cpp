#include "output/print_range.h"

#include "board/num_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace lumeta {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Nearest whole number, halves to the even neighbour; none when it does not fit 32 bits.
std::optional<int> WholeNumber(double value) {
    const double whole = std::nearbyint(value);
    if (!(whole >= std::numeric_limits<int>::min() && whole <= std::numeric_limits<int>::max()))
        return std::nullopt;
    return static_cast<int>(whole);
}

std::string Padded(int n, std::size_t width) {
    std::string digits = std::to_string(n);
    if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
    return digits;
}

}  // namespace

PrintRangeChoice ParsePrintRange(std::string_view text, int puzzleCount) {
    using Verdict = PrintRangeChoice::Verdict;
    PrintRangeChoice choice;
    const bool blank = std::all_of(text.begin(), text.end(), [](char c) { return c == ' '; });
    const std::size_t dash = text.find('-');
    if (blank || dash == std::string_view::npos) return choice;

    const std::optional<int> from = WholeNumber(NumericPrefix(text.substr(0, dash)));
    const std::optional<int> to = WholeNumber(NumericPrefix(text.substr(dash + 1)));
    if (!from || !to) return choice;
    choice.from = *from;
    choice.to = *to;
    if (choice.from < 1 || choice.to < 1 || choice.from > choice.to) return choice;
    choice.verdict = choice.from > puzzleCount ? Verdict::RangeNotCorrect : Verdict::Accepted;
    return choice;
}

std::string PrintRangeMessage(PrintRangeChoice::Verdict verdict) {
    return verdict == PrintRangeChoice::Verdict::RangeNotCorrect ? "Print range not correct"
                                                                 : "Specify print range";
}

std::string PrintRangeTag(int from, int to) {
    const std::size_t width =
        std::max<std::size_t>({5, std::to_string(from).size(), std::to_string(to).size()});
    return Padded(from, width) + Padded(to, width);
}

std::optional<PrintRangeBounds> ReadPrintRangeTag(std::string_view tag) {
    if (tag.size() < 10 || tag.size() % 2 != 0 || !std::all_of(tag.begin(), tag.end(), IsDigit))
        return std::nullopt;
    const std::size_t half = tag.size() / 2;
    PrintRangeBounds bounds;
    const auto read = [&](std::string_view digits, int& n) {
        return std::from_chars(digits.data(), digits.data() + digits.size(), n).ec == std::errc{};
    };
    if (!read(tag.substr(0, half), bounds.from) || !read(tag.substr(half), bounds.to))
        return std::nullopt;
    return bounds;
}

}  // namespace lumeta
