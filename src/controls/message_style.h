#pragma once

#include <QString>
#include <array>
#include <vector>

namespace lumeta {

// Button results, numbered as the platform's message box numbers them.
enum MessageResult {
    kResultNormalOk = 0,  // the "Ok" of "vbnormal"
    kResultOk = 1,
    kResultCancel = 2,
    kResultAbort = 3,
    kResultRetry = 4,
    kResultIgnore = 5,
    kResultYes = 6,  // also "Continue"
    kResultNo = 7,
};

constexpr int kMessageIconSlots = 11;  // 0..8 pictures, 9 and 10 empty
constexpr int kMessageButtons = 3;

struct MessageButton {
    QString caption;
    QString tag;  // the result as text, "1".."7" or "0"
};

// What a style text such as "vbQuestion + vbYesNo" asks for.
struct MessageStyle {
    std::array<bool, kMessageIconSlots> icons{};
    // In the order the tokens appended them; never more than the row's three. Empty when
    // the style named no buttons (the box then shows a single "Ok").
    std::vector<MessageButton> buttons;
};

// Lower-cases the style, splits it at "+", trims each piece and reads the pieces left to
// right; pieces that are no token are ignored.
MessageStyle ReadMessageStyle(const QString& style);

}  // namespace lumeta
