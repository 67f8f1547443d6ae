#include "board/num_text.h"

#include <charconv>
#include <limits>
#include <system_error>

namespace lumeta {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::string NumText(long long n) {
    return std::to_string(n);
}

std::string BlankNumText(long long n) {
    std::string text;
    if (n >= 0) text += ' ';
    text += NumText(n);
    return text;
}

double NumericPrefix(std::string_view text) {
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

}  // namespace lumeta
