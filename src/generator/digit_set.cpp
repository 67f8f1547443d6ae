#include "generator/digit_set.h"

namespace lumeta {

std::string DigitSetText(DigitSet set) {
    std::string text;
    for (int d = 1; d <= 6; ++d)
        if (set & DigitBit(d)) text += static_cast<char>('0' + d);
    return text;
}

}  // namespace lumeta
