#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "controls/colour_value.h"
#include "controls/msg_form.h"
#include "controls/twips.h"

namespace lumeta {
namespace {

// Runs `whileShown` from inside the box's modal loop, then returns what `call` returned.
// A box still open after a few seconds is a failure and is closed, so no test hangs.
template <typename Call>
auto RunBox(MsgForm& form, std::function<void()> whileShown, Call call) {
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &form, [&form] {
        ADD_FAILURE() << "the box was left open";
        form.done(0);
    });
    guard.start(5000);
    QTimer::singleShot(0, &form, [&form, whileShown] {
        EXPECT_TRUE(QTest::qWaitFor([&form] { return form.isVisible(); }));
        whileShown();
    });
    return call();
}

void Click(QWidget* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

std::vector<QPushButton*> VisibleButtons(const MsgForm& form) {
    std::vector<QPushButton*> shown;
    for (QPushButton* button : form.cmd)
        if (button->isVisible()) shown.push_back(button);
    std::sort(shown.begin(), shown.end(),
              [](QPushButton* a, QPushButton* b) { return a->x() < b->x(); });
    return shown;
}

std::vector<std::string> Captions(const std::vector<QPushButton*>& buttons) {
    std::vector<std::string> captions;
    for (QPushButton* button : buttons)
        captions.push_back(button->text().toStdString());
    return captions;
}

std::vector<int> VisibleIcons(const MsgForm& form) {
    std::vector<int> shown;
    for (int slot = 0; slot < kMessageIconSlots; ++slot)
        if (form.icons[slot]->isVisible()) shown.push_back(slot);
    return shown;
}

class MsgFormTest : public ::testing::Test {
  protected:
    MsgFormTest() : form(scheme) {
        scheme.SchemeColours[4] = RGBValue(200, 210, 220);
        scheme.ButtonSlot = 4;
    }

    TwipScale Scale() const { return TwipScale::ForWidget(&form); }
    int LineHeight() const { return QFontMetrics(form.font(), &form).height(); }

    // Shows the box and chooses the button at `position` in the row (left to right).
    int Choose(const QString& prompt, const QString& style, size_t position) {
        return RunBox(
            form,
            [&] {
                const auto shown = VisibleButtons(form);
                ASSERT_LT(position, shown.size());
                Click(shown[position]);
            },
            [&] { return form.MsgboxA(prompt, style); });
    }

    ColourScheme scheme;
    MsgForm form;
};

struct BoxCase {
    const char* style;
    std::vector<int> icons;
    std::vector<std::string> captions;
    std::vector<int> results;
};

TEST_F(MsgFormTest, StyleTextChoosesTheIconsButtonsAndResults) {
    const std::vector<BoxCase> cases = {
        {"", {}, {"Ok"}, {1}},
        {"vbQuestion + vbYesNo", {0}, {"Yes", "No"}, {6, 7}},
        {"vbok+vbcritical", {4}, {"Ok"}, {1}},
        {"vbcritical+vbok", {4}, {"Ok"}, {1}},
        {"vbqestion+vbok", {}, {"Ok"}, {1}},
        {"vbexclamation+vbokcancel", {1}, {"Ok", "Cancel"}, {1, 2}},
        {"vbok+vbcancel", {}, {"Ok", "Cancel"}, {1, 2}},
        {"vbinformation+vbnormal", {2}, {"Ok"}, {0}},
        {"vberror+vbretrycancel", {3}, {"Retry", "Cancel"}, {4, 2}},
        {"vbhappy+vbok", {5}, {"Ok"}, {1}},
        {"vbtrash+vbyesnocancel", {6}, {"Yes", "No", "Cancel"}, {6, 7, 2}},
        {"vbprint+vbabortretryignore", {7}, {"Abort", "Retry", "Ignore"}, {3, 4, 5}},
        {"vblighton", {8}, {"Ok"}, {1}},
        {"vbcustom+vbyes+vbno", {10}, {"Yes", "No"}, {6, 7}},
        {"vbcontinuecancel", {2}, {"Continue", "Cancel"}, {6, 2}},
    };
    for (const BoxCase& c : cases) {
        const QString style = QString::fromLatin1(c.style);
        for (size_t position = 0; position < c.results.size(); ++position) {
            std::vector<int> icons;
            std::vector<std::string> captions;
            const int result = RunBox(
                form,
                [&] {
                    icons = VisibleIcons(form);
                    const auto shown = VisibleButtons(form);
                    captions = Captions(shown);
                    if (position < shown.size()) Click(shown[position]);
                },
                [&] { return form.MsgboxA("Message", style); });
            EXPECT_EQ(icons, c.icons) << c.style;
            EXPECT_EQ(captions, c.captions) << c.style;
            EXPECT_EQ(result, c.results[position]) << c.style << " button " << position;
        }
    }
}

TEST_F(MsgFormTest, QuestionAnsweredNoReturns7) {
    EXPECT_EQ(Choose("Exit?", "vbQuestion + vbYesNo", 1), 7);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(MsgFormTest, EnterOnTheFocusedButtonChoosesIt) {
    const int result = RunBox(
        form,
        [&] {
            ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
            QWidget* focused = QApplication::focusWidget();
            ASSERT_EQ(focused, form.cmd[0]);
            EXPECT_EQ(form.cmd[0]->text(), "Yes");
            QTest::keyClick(focused, Qt::Key_Return);
        },
        [&] { return form.MsgboxA("Exit?", "vbquestion+vbyesno"); });
    EXPECT_EQ(result, 6);

    // Tab moves on to the next button, and Enter there chooses that one.
    const int moved = RunBox(
        form,
        [&] {
            ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            ASSERT_EQ(QApplication::focusWidget(), form.cmd[1]);
            QTest::keyClick(form.cmd[1], Qt::Key_Enter);
        },
        [&] { return form.MsgboxA("Exit?", "vbquestion+vbyesno"); });
    EXPECT_EQ(moved, 7);
}

TEST_F(MsgFormTest, EscapeLettersAndTheSpaceBarChangeNothing) {
    const int result = RunBox(
        form,
        [&] {
            ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
            QTest::keyClick(form.cmd[0], Qt::Key_Escape);
            QTest::keyClick(&form, Qt::Key_Escape);
            QTest::keyClicks(form.cmd[0], "yn ");
            QTest::keyClick(form.cmd[0], Qt::Key_Space);
            QApplication::processEvents();
            EXPECT_TRUE(form.isVisible());
            EXPECT_FALSE(form.cmd[0]->isDown());
            Click(form.cmd[1]);
        },
        [&] { return form.MsgboxA("Exit?", "vbquestion+vbyesno"); });
    EXPECT_EQ(result, 7);
}

TEST_F(MsgFormTest, ClosingTheWindowNeverCountsAsYes) {
    struct CloseCase {
        const char* style;
        int result;
    };
    const std::vector<CloseCase> cases = {
        {"vbquestion+vbyesno", 7}, {"vbyesnocancel", 2}, {"vbokcancel", 2},
        {"vbcontinuecancel", 2},   {"vbok", 1},          {"", 1},
        {"vbabortretryignore", 3}, {"vbnormal", 0},      {"vbno+vbyes", 7},
    };
    for (const CloseCase& c : cases) {
        // A Yes just before must not carry over.
        EXPECT_EQ(Choose("Exit?", "vbyesno", 0), 6);
        const int result = RunBox(
            form, [&] { form.close(); },
            [&] { return form.MsgboxA("Exit?", QString::fromLatin1(c.style)); });
        EXPECT_EQ(result, c.result) << c.style;
        EXPECT_FALSE(form.isVisible());
    }
}

TEST_F(MsgFormTest, ShortPromptStillGivesThreeButtonWidths) {
    int width = 0;
    RunBox(
        form,
        [&] {
            width = form.width();
            Click(form.cmd[0]);
        },
        [&] { return form.MsgboxA("Hi", "vbok"); });
    EXPECT_EQ(width, Scale().PixelsX(2655));
    EXPECT_GE(Scale().TwipsX(width), 2655 - Scale().TwipsPerPixelX);
}

TEST_F(MsgFormTest, ThreeButtonsAreCentredSideBySide) {
    std::vector<QRect> placed;
    int width = 0;
    auto capture = [&] {
        placed.clear();
        for (QPushButton* button : VisibleButtons(form))
            placed.push_back(button->geometry());
        width = form.width();
        Click(form.cmd[2]);
    };
    RunBox(form, capture, [&] { return form.MsgboxA("Hi", "vbyesnocancel"); });
    ASSERT_EQ(placed.size(), 3u);
    EXPECT_EQ(placed[0].left(), 0);  // the buttons fill the 2655-twip window exactly
    EXPECT_EQ(placed[0].width(), Scale().PixelsX(885));
    EXPECT_EQ(placed[0].height(), Scale().PixelsY(345));
    EXPECT_EQ(placed[1].left(), placed[0].right() + 1);
    EXPECT_EQ(placed[2].left(), placed[1].right() + 1);
    EXPECT_EQ(placed[2].right() + 1, width);

    // With a long prompt the row sits in the middle of the wider window.
    const QString wide = QString(60, QLatin1Char('M'));
    RunBox(form, capture, [&] { return form.MsgboxA(wide, "vbyesnocancel"); });
    ASSERT_EQ(placed.size(), 3u);
    EXPECT_GT(placed[0].left(), 0);
    EXPECT_NEAR(placed[0].left(), width - (placed[2].right() + 1), 1);

    // One and two buttons are centred the same way.
    for (const char* style : {"vbok", "vbyesno"}) {
        RunBox(
            form,
            [&] {
                placed.clear();
                for (QPushButton* button : VisibleButtons(form))
                    placed.push_back(button->geometry());
                width = form.width();
                Click(form.cmd[0]);
            },
            [&] { return form.MsgboxA("Hi", QString::fromLatin1(style)); });
        EXPECT_NEAR(placed.front().left(), width - (placed.back().right() + 1), 1) << style;
    }
}

TEST_F(MsgFormTest, LabelSetsEqualMarginsAndTheButtonRowBelowIt) {
    const QString prompt = QStringLiteral("The puzzle file could not be read at all");
    QRect label;
    int width = 0;
    int height = 0;
    int buttonTop = 0;
    RunBox(
        form,
        [&] {
            label = form.Label1->geometry();
            width = form.width();
            height = form.height();
            buttonTop = form.cmd[0]->y();
            Click(form.cmd[0]);
        },
        [&] { return form.MsgboxA(prompt, "vbok+vbcritical"); });
    const TwipScale scale = Scale();
    const int textWidth = QFontMetrics(form.font(), &form).horizontalAdvance(prompt);
    EXPECT_EQ(label.left(), scale.PixelsX(930));
    EXPECT_EQ(label.top(), scale.PixelsY(420));
    EXPECT_NEAR(label.width(), textWidth, 1);
    EXPECT_NEAR(width - (label.right() + 1), label.left(), 1);
    EXPECT_NEAR(label.height(), LineHeight() + scale.PixelsY(120), 1);
    EXPECT_NEAR(buttonTop, label.bottom() + 1 + scale.PixelsY(120), 1);
    EXPECT_NEAR(height, buttonTop + scale.PixelsY(345 + 600), 1);
    EXPECT_EQ(form.Label1->text(), prompt);
}

TEST_F(MsgFormTest, TwoLinePromptMovesTheButtonsDownByOneLine) {
    auto buttonTopFor = [&](const QString& prompt) {
        int top = 0;
        RunBox(
            form,
            [&] {
                top = form.cmd[0]->y();
                Click(form.cmd[0]);
            },
            [&] { return form.MsgboxA(prompt, "vbok"); });
        return top;
    };
    const int oneLine = buttonTopFor("First line");
    EXPECT_NEAR(buttonTopFor("First line\r\nSecond line") - oneLine, LineHeight(), 1);
    EXPECT_NEAR(buttonTopFor("First line\nSecond line") - oneLine, LineHeight(), 1);
    EXPECT_EQ(form.Label1->text(), "First line\nSecond line");
}

TEST_F(MsgFormTest, ShowsThePromptAsPlainText) {
    RunBox(
        form, [&] { Click(form.cmd[0]); }, [&] { return form.MsgboxA("<b>a & b</b>", "vbok"); });
    EXPECT_EQ(form.Label1->textFormat(), Qt::PlainText);
    EXPECT_EQ(form.Label1->text(), "<b>a & b</b>");
}

TEST_F(MsgFormTest, IconsSitAtTheLeftInThirtyTwoPixelSquares) {
    QRect icon;
    RunBox(
        form,
        [&] {
            icon = form.icons[5]->geometry();
            Click(form.cmd[0]);
        },
        [&] { return form.MsgboxA("Well done", "vbhappy+vbok"); });
    const TwipScale scale = Scale();
    EXPECT_EQ(icon, scale.Pixels(240, 210, 480, 480));
    if (scale.TwipsPerPixelX == 15 && scale.TwipsPerPixelY == 15) {
        EXPECT_EQ(icon, QRect(16, 14, 32, 32));
    }
    EXPECT_FALSE(form.icons[5]->pixmap().isNull());
}

TEST_F(MsgFormTest, TakesTheWindowLookAndReplacesABlackButtonColour) {
    form.SetBackColor(RGBValue(10, 120, 30));
    form.SetForeColor(RGBValue(2, 2, 2));
    form.SetButtonColor(0);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(11);
    form.setFont(font);
    RunBox(
        form, [&] { Click(form.cmd[0]); }, [&] { return form.MsgboxA("Colours", "vbok"); });
    EXPECT_EQ(form.ButtonColor(), RGBValue(200, 210, 220));
    EXPECT_EQ(form.cmd[0]->palette().color(QPalette::Button), QColor(200, 210, 220));
    EXPECT_EQ(form.cmd[0]->font().pointSize(), 10);
    EXPECT_EQ(form.Label1->font().pointSize(), 11);
    EXPECT_EQ(form.Label1->palette().color(QPalette::Window), QColor(10, 120, 30));
    EXPECT_EQ(form.Label1->palette().color(QPalette::WindowText), QColor(2, 2, 2));
    EXPECT_EQ(form.palette().color(QPalette::Window), QColor(10, 120, 30));

    // A colour of its own is kept, and a system colour follows the palette.
    form.SetButtonColor(RGBValue(1, 2, 3));
    form.SetBackColor(kSystemColourBit | 15);
    RunBox(
        form, [&] { Click(form.cmd[0]); }, [&] { return form.MsgboxA("Colours", "vbok"); });
    EXPECT_EQ(form.ButtonColor(), RGBValue(1, 2, 3));
    EXPECT_EQ(form.cmd[0]->palette().color(QPalette::Button), QColor(1, 2, 3));
    EXPECT_EQ(form.palette().color(QPalette::Window),
              QApplication::palette().color(QPalette::Active, QPalette::Button));
}

TEST_F(MsgFormTest, InputBoxDefaultRestoresTheTextAndEnterReturnsIt) {
    bool openAfterDefault = false;
    QString afterDefault;
    const QString result = RunBox(
        form,
        [&] {
            EXPECT_EQ(form.Text1->text(), "12");
            EXPECT_EQ(form.Text1->selectedText(), "12");
            EXPECT_EQ(VisibleIcons(form), std::vector<int>{0});
            EXPECT_EQ(Captions(VisibleButtons(form)),
                      (std::vector<std::string>{"Enter", "Default", "Cancel"}));
            form.Text1->clear();
            QTest::keyClicks(form.Text1, "345");
            Click(form.cmd[1]);
            openAfterDefault = form.isVisible();
            afterDefault = form.Text1->text();
            QTest::keyClicks(form.Text1, "9");
            Click(form.cmd[0]);
        },
        [&] { return form.Inputbox("Puzzle number?", "12", 0); });
    EXPECT_TRUE(openAfterDefault);
    EXPECT_EQ(afterDefault, "12");
    EXPECT_EQ(result, "129");
}

TEST_F(MsgFormTest, InputBoxCancelAndCloseReturnEmptyText) {
    const QString cancelled = RunBox(
        form, [&] { Click(form.cmd[2]); }, [&] { return form.Inputbox("Name?", "Anna", 0); });
    EXPECT_EQ(cancelled, "");
    const QString entered = RunBox(
        form, [&] { Click(form.cmd[0]); }, [&] { return form.Inputbox("Name?", "Anna", 0); });
    EXPECT_EQ(entered, "Anna");
    const QString closed = RunBox(
        form, [&] { form.close(); }, [&] { return form.Inputbox("Name?", "Anna", 0); });
    EXPECT_EQ(closed, "");
}

TEST_F(MsgFormTest, InputBoxTakesTheFocusAndAnswersEnterInTheField) {
    const QString result = RunBox(
        form,
        [&] {
            ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
            ASSERT_EQ(QApplication::focusWidget(), form.Text1);
            QTest::keyClicks(form.Text1, "Bea");  // replaces the selected default
            QTest::keyClick(form.Text1, Qt::Key_Escape);
            EXPECT_TRUE(form.isVisible());
            QTest::keyClick(form.Text1, Qt::Key_Return);
        },
        [&] { return form.Inputbox("Name?", "Anna", 0); });
    EXPECT_EQ(result, "Bea");
}

TEST_F(MsgFormTest, EnterOnAnInputBoxButtonActsAsItsClick) {
    const QString cancelled = RunBox(
        form,
        [&] {
            QTest::keyClick(form.cmd[1], Qt::Key_Return);  // Default: stays open
            EXPECT_TRUE(form.isVisible());
            QTest::keyClick(form.cmd[2], Qt::Key_Return);
        },
        [&] { return form.Inputbox("Name?", "Anna", 0); });
    EXPECT_EQ(cancelled, "");
    const QString entered = RunBox(
        form, [&] { QTest::keyClick(form.cmd[0], Qt::Key_Enter); },
        [&] { return form.Inputbox("Name?", "Anna", 0); });
    EXPECT_EQ(entered, "Anna");
}

TEST_F(MsgFormTest, NumericInputBoxTakesDigitsOnly) {
    const QString digits = RunBox(
        form,
        [&] {
            form.Text1->clear();
            QTest::keyClicks(form.Text1, "a1b2 -3");
            Click(form.cmd[0]);
        },
        [&] { return form.Inputbox("How many?", "", 1); });
    EXPECT_EQ(digits, "123");

    // The next box without numeric takes any text again.
    const QString text = RunBox(
        form,
        [&] {
            form.Text1->clear();
            QTest::keyClicks(form.Text1, "a1b2");
            Click(form.cmd[0]);
        },
        [&] { return form.Inputbox("Name?", "", 0); });
    EXPECT_EQ(text, "a1b2");
}

TEST_F(MsgFormTest, InputBoxLayoutPutsFieldAndButtonsUnderTheLabel) {
    QRect label, field, button0, button2;
    int width = 0;
    RunBox(
        form,
        [&] {
            label = form.Label1->geometry();
            field = form.Text1->geometry();
            button0 = form.cmd[0]->geometry();
            button2 = form.cmd[2]->geometry();
            width = form.width();
            Click(form.cmd[2]);
        },
        [&] { return form.Inputbox("?", "", 0); });
    const TwipScale scale = Scale();
    EXPECT_EQ(label.left(), scale.PixelsX(700));
    EXPECT_EQ(field.left(), button0.left());
    EXPECT_EQ(button0.left(), scale.PixelsX(700));
    EXPECT_EQ(field.width(), scale.PixelsX(700 + 2650) - scale.PixelsX(700));
    EXPECT_NEAR(field.top(), scale.PixelsY(scale.TwipsY(LineHeight()) + 120 + 320), 1);
    EXPECT_NEAR(button0.top(), field.bottom() + 1 + scale.PixelsY(10), 1);
    EXPECT_EQ(button2.left(), scale.PixelsX(700 + 2 * 885));
    // A short prompt: the window is as wide as the buttons plus 350 twips.
    EXPECT_EQ(width, scale.PixelsX(700 + 3 * 885 + 350));
    EXPECT_EQ(form.Text1->palette().color(QPalette::Base), QColor(200, 210, 220));
}

TEST_F(MsgFormTest, MessageBoxAfterAnInputBoxHidesTheField) {
    RunBox(
        form, [&] { Click(form.cmd[2]); }, [&] { return form.Inputbox("?", "", 0); });
    bool fieldShown = true;
    RunBox(
        form,
        [&] {
            fieldShown = form.Text1->isVisible();
            Click(form.cmd[0]);
        },
        [&] { return form.MsgboxA("Done", "vbok"); });
    EXPECT_FALSE(fieldShown);
}

}  // namespace
}  // namespace lumeta
