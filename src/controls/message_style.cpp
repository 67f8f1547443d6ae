#include "controls/message_style.h"

#include <QStringList>

namespace lumeta {

namespace {

struct Token {
    const char* name;
    int iconSlot;  // -1: no icon
    std::vector<MessageButton> buttons;
};

const MessageButton kOk{"Ok", "1"};
const MessageButton kCancel{"Cancel", "2"};
const MessageButton kAbort{"Abort", "3"};
const MessageButton kRetry{"Retry", "4"};
const MessageButton kIgnore{"Ignore", "5"};
const MessageButton kYes{"Yes", "6"};
const MessageButton kNo{"No", "7"};

const Token* FindToken(const QString& piece) {
    static const std::vector<Token> kTokens = {
        {"vbquestion", 0, {}},
        {"vbexclamation", 1, {}},
        {"vbinformation", 2, {}},
        {"vberror", 3, {}},
        {"vbcritical", 4, {}},
        {"vbhappy", 5, {}},
        {"vbtrash", 6, {}},
        {"vbprint", 7, {}},
        {"vblighton", 8, {}},
        {"vbcustom", 10, {}},
        {"vbokonly", -1, {kOk}},
        {"vbok", -1, {kOk}},
        {"vbnormal", -1, {{"Ok", "0"}}},
        {"vbcancel", -1, {kCancel}},
        {"vbabort", -1, {kAbort}},
        {"vbretry", -1, {kRetry}},
        {"vbignore", -1, {kIgnore}},
        {"vbyes", -1, {kYes}},
        {"vbno", -1, {kNo}},
        {"vbokcancel", -1, {kOk, kCancel}},
        {"vbcancelok", -1, {kOk, kCancel}},
        {"vbretrycancel", -1, {kRetry, kCancel}},
        {"vbyesno", -1, {kYes, kNo}},
        {"vbyesnocancel", -1, {kYes, kNo, kCancel}},
        {"vbabortretryignore", -1, {kAbort, kRetry, kIgnore}},
        {"vbcontinuecancel", 2, {{"Continue", "6"}, kCancel}},
    };
    for (const Token& token : kTokens)
        if (piece == QLatin1String(token.name)) return &token;
    return nullptr;
}

}  // namespace

MessageStyle ReadMessageStyle(const QString& style) {
    MessageStyle result;
    const QStringList pieces = style.toLower().split(QLatin1Char('+'));
    for (const QString& piece : pieces) {
        const Token* token = FindToken(piece.trimmed());
        if (!token) continue;
        if (token->iconSlot >= 0) result.icons[token->iconSlot] = true;
        for (const MessageButton& button : token->buttons)
            if (result.buttons.size() < kMessageButtons) result.buttons.push_back(button);
    }
    return result;
}

}  // namespace lumeta
