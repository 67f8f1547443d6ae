#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <string>
#include <string_view>

namespace lumeta {

// A candidate text ("245": ascending digits 1..6, none twice) held as a set: bit d-1
// stands for digit d. The generator works on these; the text forms below give the
// same results as on the texts themselves.
using DigitSet = std::uint8_t;

constexpr DigitSet kAllDigits = 0x3f;  // "123456"

constexpr DigitSet DigitBit(int digit) {
    return static_cast<DigitSet>(1u << (digit - 1));
}

// True for a set of exactly one digit (a fixed cell).
constexpr bool IsSingleDigit(DigitSet set) {
    return set != 0 && (set & (set - 1)) == 0;
}

// The digit of a single-digit set.
inline int SingleDigit(DigitSet set) {
    return std::countr_zero(static_cast<unsigned>(set)) + 1;
}

namespace detail {
constexpr std::array<std::uint8_t, 64> MakeCountTable() {
    std::array<std::uint8_t, 64> table{};
    for (int set = 0; set < 64; ++set)
        table[set] = static_cast<std::uint8_t>(std::popcount(unsigned(set)));
    return table;
}
inline constexpr std::array<std::uint8_t, 64> kDigitCount = MakeCountTable();
}  // namespace detail

constexpr int DigitCount(DigitSet set) {
    return detail::kDigitCount[set & 0x3f];
}

// The set as text, digits in ascending order ("" for none).
std::string DigitSetText(DigitSet set);

// Digits common to two candidate sets; an empty side gives the other.
constexpr DigitSet CommonDigits(DigitSet a, DigitSet b) {
    if (a == 0) return b;
    if (b == 0) return a;
    return a & b;
}

// a without the digits of b.
constexpr DigitSet RemoveDigits(DigitSet a, DigitSet b) {
    return static_cast<DigitSet>(a & ~b);
}

namespace detail {
constexpr std::array<DigitSet, 64> MakeComplementTable() {
    std::array<DigitSet, 64> table{};
    for (int set = 0; set < 64; ++set)
        for (int d = 1; d <= 6; ++d)
            if (set & DigitBit(d)) table[set] |= DigitBit(7 - d);
    return table;
}
inline constexpr std::array<DigitSet, 64> kComplement = MakeComplementTable();
}  // namespace detail

// The digit 7 - d for every digit d of the set: what a touching side allows.
constexpr DigitSet ComplementDigits(DigitSet set) {
    return detail::kComplement[set & kAllDigits];
}

}  // namespace lumeta
