#pragma once

#include <string>
#include <string_view>

namespace lumeta {

// Decimal text of a whole number without a leading blank: 1 gives "1", -5 gives "-5".
std::string NumText(long long n);

// A number as several labels print it: one blank in front of a non-negative number
// (the place a minus sign would take), e.g. " 17".
std::string BlankNumText(long long n);

// The number a text starts with, as a typed field is read: blanks skipped, then sign,
// digits, decimal point and exponent as far as they go; 0 when there are no digits. The
// decimal point is always ".", whatever the desktop's language.
double NumericPrefix(std::string_view text);

}  // namespace lumeta
