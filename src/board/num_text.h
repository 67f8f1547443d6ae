#pragma once

#include <string>

namespace lumeta {

// Decimal text of a whole number without a leading blank: 1 gives "1", -5 gives "-5".
std::string NumText(long long n);

// A number as several labels print it: one blank in front of a non-negative number
// (the place a minus sign would take), e.g. " 17".
std::string BlankNumText(long long n);

}  // namespace lumeta
