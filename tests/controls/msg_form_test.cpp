#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <string>

#include "controls/colour_value.h"
#include "controls/controls_test_helpers.h"
#include "controls/msg_form.h"
#include "controls/twips.h"

namespace lumeta {
namespace {

void Click(QWidget* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

// The box is reused: what it showed stays in place after it closes, ready to inspect.
class MsgFormTest : public ::testing::Test {
  protected:
    MsgFormTest() : form(scheme, &owner) {
        scheme.SchemeColours[4] = RGBValue(200, 210, 220);
        scheme.ButtonSlot = 4;
    }

    template <typename Call>
    auto Run(std::function<void()> act, Call call) {
        return lumeta::testing::WhileModal(&form, act, call);
    }
    // Shows a message box and clicks the button at `position` of its row.
    int Show(const QString& prompt, const QString& style, size_t position = 0) {
        return Run(
            [&] {
                if (position < Row().size()) Click(Row()[position]);
            },
            [&] { return form.MsgboxA(prompt, style); });
    }

    // The buttons in use, left to right.
    std::vector<QPushButton*> Row() const {
        std::vector<QPushButton*> row;
        for (QPushButton* button : form.cmd)
            if (!button->isHidden()) row.push_back(button);
        std::ranges::sort(row, {}, &QWidget::x);
        return row;
    }
    // "icons|Caption:result ...": what a style shows and what each of its buttons answers.
    std::string Describe(const QString& style) {
        QStringList icons, buttons;
        for (size_t position = 0; buttons.empty() || position < Row().size(); ++position) {
            const int result = Show("Message", style, position);
            if (position >= Row().size() || form.isVisible()) return "no button to choose";
            buttons << Row()[position]->text() + ":" + QString::number(result);
        }
        for (int slot = 0; slot < kMessageIconSlots; ++slot)
            if (!form.icons[slot]->isHidden()) icons << QString::number(slot);
        return (icons.join(' ') + "|" + buttons.join(' ')).toStdString();
    }

    // The layout sizes the window with its frame and title bar.
    QSize Outer() const { return form.frameGeometry().size(); }

    ColourScheme scheme;
    QWidget owner;  // hidden unless a test shows it
    MsgForm form;
};

TEST_F(MsgFormTest, StyleTextChoosesTheIconsButtonsAndResults) {
    // "style => icons|Caption:result ...".
    const char* cases[] = {
        // Every token.
        "vbquestion => 0|Ok:1", "vbexclamation => 1|Ok:1", "vbinformation => 2|Ok:1",
        "vberror => 3|Ok:1", "vbcritical => 4|Ok:1", "vbhappy => 5|Ok:1", "vbtrash => 6|Ok:1",
        "vbprint => 7|Ok:1", "vblighton => 8|Ok:1", "vbcustom => 10|Ok:1", "vbokonly => |Ok:1",
        "vbok => |Ok:1", "vbnormal => |Ok:0", "vbcancel => |Cancel:2", "vbabort => |Abort:3",
        "vbretry => |Retry:4", "vbignore => |Ignore:5", "vbyes => |Yes:6", "vbno => |No:7",
        "vbokcancel => |Ok:1 Cancel:2", "vbcancelok => |Ok:1 Cancel:2",
        "vbretrycancel => |Retry:4 Cancel:2", "vbyesno => |Yes:6 No:7",
        "vbyesnocancel => |Yes:6 No:7 Cancel:2", "vbabortretryignore => |Abort:3 Retry:4 Ignore:5",
        "vbcontinuecancel => 2|Continue:6 Cancel:2",
        // Case, blanks, order, several icons, pieces that are no token, a full row.
        " => |Ok:1", "vbQuestion + vbYesNo => 0|Yes:6 No:7", "vbcritical+vbok => 4|Ok:1",
        "  VBOK  +VbCritical => 4|Ok:1", "vbno+vbyes => |No:7 Yes:6",
        "vbtrash+vbquestion+vbok => 0 6|Ok:1", "vbqestion+vbok+vbyesno2++ => |Ok:1",
        "vbyesno+vbokcancel => |Yes:6 No:7 Ok:1"};
    for (const char* c : cases) {
        const QStringList parts = QString::fromLatin1(c).split(" => ");
        EXPECT_EQ(Describe(parts[0]), parts[1].toStdString()) << '"' << c << '"';
    }
}

TEST_F(MsgFormTest, EnterChoosesTheFocusedButtonAndOtherKeysChangeNothing) {
    for (const auto& [tabs, key, chosen] :
         {std::tuple{0, Qt::Key_Return, 6}, {1, Qt::Key_Enter, 7}}) {
        const auto act = [&] {
            ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
            for (int tab = 0; tab < tabs; ++tab)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            auto* focused = form.cmd[tabs];
            ASSERT_EQ(QApplication::focusWidget(), focused);
            QTest::keyClick(focused, Qt::Key_Escape);
            QTest::keyClick(&form, Qt::Key_Escape);
            QTest::keyClicks(focused, "yn ");
            EXPECT_TRUE(form.isVisible());
            EXPECT_FALSE(focused->isDown());
            QTest::keyClick(focused, key);
        };
        EXPECT_EQ(Run(act, [&] { return form.MsgboxA("Exit?", "vbquestion+vbyesno"); }), chosen);
    }
}

TEST_F(MsgFormTest, ClosingTheWindowAnswersCancelElseNoElseTheFirstButtonNeverYes) {
    const std::pair<const char*, int> cases[] = {
        {"vbquestion+vbyesno", 7}, {"vbyesnocancel", 2}, {"vbokcancel", 2},
        {"vbcontinuecancel", 2},   {"vbok", 1},          {"", 1},
        {"vbabortretryignore", 3}, {"vbnormal", 0},      {"vbno+vbyes", 7}};
    for (const auto& [style, expected] : cases) {
        EXPECT_EQ(Show("Exit?", "vbyesno"), 6);  // a Yes just before must not carry over
        const int closed = Run([&] { form.close(); }, [&] { return form.MsgboxA("Exit?", style); });
        EXPECT_EQ(closed, expected) << style;
    }
}

// The prompt in plain text (file names may hold "<" or "&") with equal margins, its icon
// beside it, and below it a row of buttons of one size, centred in a box at least three
// buttons wide; each further line of the prompt moves the row down by a line.
TEST_F(MsgFormTest, LaysOutThePromptWithItsIconAboveACentredRowOfButtons) {
    for (const char* style : {"vbok+vbcritical", "vbyesno", "vbyesnocancel"}) {
        for (const QString& prompt : {QString("The file <b>a&b</b>.txt could not be read at all"),
                                      QString(60, QLatin1Char('M'))}) {
            Show(prompt, style);
            const QRect label = form.Label1->geometry();
            EXPECT_EQ(form.Label1->text(), prompt);
            EXPECT_EQ(form.Label1->textFormat(), Qt::PlainText);
            EXPECT_NEAR(Outer().width() - (label.right() + 1), label.left(), 1);
            EXPECT_GE(label.width(), QFontMetrics(form.font(), &form).horizontalAdvance(prompt));
            EXPECT_GE(Outer().width(), 3 * Row().front()->width());
            EXPECT_GT(Row().front()->y(), label.bottom());
            EXPECT_NEAR(Row().front()->x(),
                        Outer().width() - (Row().back()->geometry().right() + 1), 1);
            for (QPushButton* button : Row())  // one size, up to a pixel of rounding
                EXPECT_TRUE(std::abs(button->width() - Row().front()->width()) <= 2 &&
                            button->height() == Row().front()->height());
        }
    }
    Show("One line", "vbok+vbcritical");
    EXPECT_FALSE(form.icons[4]->isHidden() || form.icons[4]->pixmap().isNull());
    EXPECT_LT(form.icons[4]->geometry().right(), form.Label1->x());
    const int oneLine = form.cmd[0]->y();
    Show("First line\r\nSecond line", "vbok+vbcritical");
    EXPECT_NEAR(form.cmd[0]->y() - oneLine, QFontMetrics(form.font(), &form).height(), 1);
    EXPECT_EQ(form.Label1->text(), "First line\nSecond line");
}

TEST_F(MsgFormTest, ALongPathWrapsWithinTheScreenInsteadOfWideningTheBox) {
    const QString path = "/home/player/" + QString("very long folder name/").repeated(30) + "p.txt";
    Show("Puzzle file:\r\n" + path + "\r\ncould not be written", "vbok+vbcritical");
    const int screenWidth = form.screen()->availableGeometry().width();
    EXPECT_LE(Outer().width(), screenWidth);
    EXPECT_GT(Outer().width(), screenWidth * 3 / 4);  // as wide as it may be, not narrower
    const QStringList lines = form.Label1->text().split('\n');
    EXPECT_GT(lines.size(), 3);
    EXPECT_EQ(lines.join(""), "Puzzle file:" + path + "could not be written");  // nothing lost
    EXPECT_TRUE(lines[1].endsWith('/'));  // broken after a folder
    EXPECT_NEAR(form.cmd[0]->y(),
                form.Label1->geometry().bottom() + 1 + TwipScale::ForWidget(&form).PixelsY(120), 1);
}

// The window's colours on the box the window tests check.
TEST_F(MsgFormTest, ReplacesABlackButtonColourAndKeepsItsButtonFont) {
    form.SetButtonColor(0);
    form.setFont(QFont(QStringLiteral("Arial"), 11));
    Show("Colours", "vbok");
    EXPECT_EQ(form.cmd[0]->palette().color(QPalette::Button), QColor(200, 210, 220));
    EXPECT_EQ(form.cmd[0]->font().pointSize(), 10);
    EXPECT_EQ(form.Label1->font().pointSize(), 11);
}

TEST_F(MsgFormTest, EveryBoxIsCentredOnItsOwnerAndWhollyOnTheScreen) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    owner.resize(400, 300);
    // Centred on the screen, then hanging over its bottom right corner.
    for (const QPoint& at : {screen.center() - QPoint(200, 150), screen.bottomRight()}) {
        owner.move(at);
        owner.show();
        QRect shown;
        Run([&] { shown = form.frameGeometry(), Click(form.cmd[0]); },
            [&] { return form.MsgboxA("Reset puzzle?", "vbquestion+vbyesno"); });
        EXPECT_TRUE(screen.contains(shown));
        if (screen.contains(owner.frameGeometry())) {
            EXPECT_LE((shown.center() - owner.frameGeometry().center()).manhattanLength(), 1);
        }
    }
}

}  // namespace
}  // namespace lumeta
