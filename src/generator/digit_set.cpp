#include "generator/digit_set.h"

#include <array>

namespace lumeta {

DigitSet DigitSetOf(std::string_view text) {
    DigitSet set = 0;
    for (char c : text)
        if (c >= '1' && c <= '6') set |= DigitBit(c - '0');
    return set;
}

std::string DigitSetText(DigitSet set) {
    std::string text;
    for (int d = 1; d <= 6; ++d)
        if (set & DigitBit(d)) text += static_cast<char>('0' + d);
    return text;
}

namespace {

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

}  // namespace

std::string CommonDigits(std::string_view a, std::string_view b) {
    if (IsBlank(a)) return std::string(b);
    if (IsBlank(b)) return std::string(a);
    // A digit counted more than once is common (for texts without repeats: in both).
    std::array<int, 7> count{};
    for (std::string_view text : {a, b})
        for (char c : text)
            if (c >= '1' && c <= '6') ++count[c - '0'];
    std::string common;
    for (int d = 1; d <= 6; ++d)
        if (count[d] > 1) common += static_cast<char>('0' + d);
    return common;
}

std::string RemoveDigits(std::string_view a, std::string_view b) {
    std::string rest(a);
    for (char c : b) {
        const std::size_t at = rest.find(c);
        if (at != std::string::npos) rest.erase(at, 1);
    }
    return rest;
}

}  // namespace lumeta
