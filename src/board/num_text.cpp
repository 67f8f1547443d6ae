#include "board/num_text.h"

namespace lumeta {

std::string NumText(long long n) {
    return std::to_string(n);
}

std::string BlankNumText(long long n) {
    std::string text;
    if (n >= 0) text += ' ';
    text += NumText(n);
    return text;
}

}  // namespace lumeta
