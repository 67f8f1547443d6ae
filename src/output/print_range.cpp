#include "output/print_range.h"

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

double NumberPrefix(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    std::string number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') number += '-';
        ++i;
    }
    std::size_t digits = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i, ++digits)
        number += text[i];
    if (i < text.size() && text[i] == '.') {
        number += '.';
        for (++i; i < text.size() && IsDigit(text[i]); ++i, ++digits)
            number += text[i];
    }
    if (digits == 0) return 0;
    // An exponent counts only with digits of its own.
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) exponent += text[j++];
        const std::size_t first = j;
        while (j < text.size() && IsDigit(text[j]))
            exponent += text[j++];
        if (j > first) number += exponent;
    }
    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        return number.front() == '-' ? -std::numeric_limits<double>::infinity()
                                     : std::numeric_limits<double>::infinity();
    return value;
}

PrintRangeChoice ParsePrintRange(std::string_view text, int puzzleCount) {
    using Verdict = PrintRangeChoice::Verdict;
    PrintRangeChoice choice;
    const bool blank = std::all_of(text.begin(), text.end(), [](char c) { return c == ' '; });
    const std::size_t dash = text.find('-');
    if (blank || dash == std::string_view::npos) return choice;

    const std::optional<int> from = WholeNumber(NumberPrefix(text.substr(0, dash)));
    const std::optional<int> to = WholeNumber(NumberPrefix(text.substr(dash + 1)));
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
