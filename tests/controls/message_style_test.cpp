#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/message_style.h"

namespace lumeta {
namespace {

std::vector<int> IconSlots(const MessageStyle& style) {
    std::vector<int> shown;
    for (int slot = 0; slot < kMessageIconSlots; ++slot)
        if (style.icons[slot]) shown.push_back(slot);
    return shown;
}

// "Caption:tag" for every button, in row order.
std::vector<std::string> Buttons(const MessageStyle& style) {
    std::vector<std::string> buttons;
    for (const MessageButton& button : style.buttons)
        buttons.push_back((button.caption + ":" + button.tag).toStdString());
    return buttons;
}

struct StyleCase {
    const char* style;
    std::vector<int> icons;
    std::vector<std::string> buttons;
};

TEST(ReadMessageStyle, KnowsEveryTokenWithItsIconAndButtons) {
    const std::vector<StyleCase> cases = {
        {"vbquestion", {0}, {}},
        {"vbexclamation", {1}, {}},
        {"vbinformation", {2}, {}},
        {"vberror", {3}, {}},
        {"vbcritical", {4}, {}},
        {"vbhappy", {5}, {}},
        {"vbtrash", {6}, {}},
        {"vbprint", {7}, {}},
        {"vblighton", {8}, {}},
        {"vbcustom", {10}, {}},
        {"vbokonly", {}, {"Ok:1"}},
        {"vbok", {}, {"Ok:1"}},
        {"vbnormal", {}, {"Ok:0"}},
        {"vbcancel", {}, {"Cancel:2"}},
        {"vbabort", {}, {"Abort:3"}},
        {"vbretry", {}, {"Retry:4"}},
        {"vbignore", {}, {"Ignore:5"}},
        {"vbyes", {}, {"Yes:6"}},
        {"vbno", {}, {"No:7"}},
        {"vbokcancel", {}, {"Ok:1", "Cancel:2"}},
        {"vbcancelok", {}, {"Ok:1", "Cancel:2"}},
        {"vbretrycancel", {}, {"Retry:4", "Cancel:2"}},
        {"vbyesno", {}, {"Yes:6", "No:7"}},
        {"vbyesnocancel", {}, {"Yes:6", "No:7", "Cancel:2"}},
        {"vbabortretryignore", {}, {"Abort:3", "Retry:4", "Ignore:5"}},
        {"vbcontinuecancel", {2}, {"Continue:6", "Cancel:2"}},
    };
    for (const StyleCase& c : cases) {
        const MessageStyle read = ReadMessageStyle(QString::fromLatin1(c.style));
        EXPECT_EQ(IconSlots(read), c.icons) << c.style;
        EXPECT_EQ(Buttons(read), c.buttons) << c.style;
    }
}

TEST(ReadMessageStyle, IgnoresCaseBlanksAndTheOrderOfIconAndButtons) {
    const MessageStyle spaced = ReadMessageStyle("vbQuestion + vbYesNo");
    EXPECT_EQ(IconSlots(spaced), std::vector<int>{0});
    EXPECT_EQ(Buttons(spaced), (std::vector<std::string>{"Yes:6", "No:7"}));

    const MessageStyle okFirst = ReadMessageStyle("vbok+vbcritical");
    const MessageStyle iconFirst = ReadMessageStyle("  VBCRITICAL  +VbOk");
    EXPECT_EQ(IconSlots(okFirst), std::vector<int>{4});
    EXPECT_EQ(IconSlots(iconFirst), std::vector<int>{4});
    EXPECT_EQ(Buttons(okFirst), Buttons(iconFirst));
}

TEST(ReadMessageStyle, AppendsButtonsInTheOrderOfTheTokens) {
    EXPECT_EQ(Buttons(ReadMessageStyle("vbok+vbcancel")),
              (std::vector<std::string>{"Ok:1", "Cancel:2"}));
    EXPECT_EQ(Buttons(ReadMessageStyle("vbno+vbyes")), (std::vector<std::string>{"No:7", "Yes:6"}));
}

TEST(ReadMessageStyle, ShowsEveryIconTokenGiven) {
    EXPECT_EQ(IconSlots(ReadMessageStyle("vbtrash+vbquestion+vbok")), (std::vector<int>{0, 6}));
}

TEST(ReadMessageStyle, IgnoresPiecesThatAreNoToken) {
    const MessageStyle read = ReadMessageStyle("vbqestion+vbok+vbyesno2++");
    EXPECT_TRUE(IconSlots(read).empty());
    EXPECT_EQ(Buttons(read), std::vector<std::string>{"Ok:1"});
}

TEST(ReadMessageStyle, AnEmptyStyleAsksForNothing) {
    const MessageStyle read = ReadMessageStyle("");
    EXPECT_TRUE(IconSlots(read).empty());
    EXPECT_TRUE(read.buttons.empty());
}

TEST(ReadMessageStyle, KeepsOnlyTheFirstThreeButtonsOfTheRow) {
    EXPECT_EQ(Buttons(ReadMessageStyle("vbyesno+vbokcancel")),
              (std::vector<std::string>{"Yes:6", "No:7", "Ok:1"}));
}

}  // namespace
}  // namespace lumeta
