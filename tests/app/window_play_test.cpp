#include "app/about_form.h"
#include "app/navigation.h"
#include "app/play_menu.h"

#include "appearance/options_form.h"
#include "output/prnt_form.h"
#include "output/puzzle_printing.h"
#include "puzzlefiles/puzzle_loader.h"
#include "support/board_fixture.h"
#include "window_fixture.h"

namespace lumeta {
namespace {

using namespace lumeta::testing;

const QColor kFixed(255, 0, 0), kUser(128, 0, 0);

// A started window on the ten puzzles of "puzzles.txt", puzzle 1 on the board.
class PlayTest : public WindowTest {
  protected:
    void SetUp() override {
        WritePuzzles("puzzles.txt", 10);
        Start();
    }
    bool MarkerShown() const { return form->Picture1->MarkerVisible(); }
};

TEST_F(PlayTest, ThePointerSelectsOpenCellsPassesOverGivenOnesAndClearsOffTheBoard) {
    PointAt(3, 6);
    EXPECT_EQ(Status(), "Hex = 4, Cell= 2");
    EXPECT_TRUE(form->Picture1->hasFocus());
    // An upper cell: three quarters down its box, a quarter in from its left.
    EXPECT_EQ(Marker(), QRectF(2270 + 118.5, 1700 + 592.5, 237, 118.5));
    PointAt(4, 7);  // a lower cell: an eighth down
    PointAt(1, 6);  // the given top side of hexagon 1 changes nothing
    EXPECT_EQ(Status(), "Hex = 4, Cell= 4");
    EXPECT_EQ(Selected(), std::pair(4, 7));
    EXPECT_DOUBLE_EQ(Marker().top(), 2490 + 98.75);
    // At a hexagon's corner the grid box decides, not the drawn outline.
    const BoardGeometry& g = S().geometry;
    PointAtTwips(g.CellX[3][5] - 60, g.CellY[3][5] + 600);
    EXPECT_EQ(Status(), "Hex = 2, Cell= 4");
    PointAtTwips(g.CellX[1][5] - 60, g.CellY[1][5] + 600);  // a box of no hexagon
    EXPECT_EQ(Status(), "");
    EXPECT_FALSE(MarkerShown());
    PointAt(3, 6);
    PointAtTwips(2400, 60);  // above the first row
    EXPECT_EQ(Selected(), std::pair(0, 0));
}

TEST_F(PlayTest, DigitsPeriodAndEscapeChangeTheSelectedCellUndoTakesThemBackAndResetAllOfThem) {
    Enter(4, 7, "\x1b");  // Escape on an empty cell: a record all the same
    EXPECT_EQ(S().undo.records.front(), " 4, 7,");
    Enter(3, 6, "335");  // hexagon 4, side 2, touching hexagon 1, side 5
    EXPECT_GT(ColourInBox(3, 6, kUser, 30), 3);
    for (QChar c : QString("07a \b\r"))
        EXPECT_TRUE(Key(c.unicode(), c)) << int(c.unicode());  // swallowed
    Type(".");
    QTest::keyClick(form->Picture1, Qt::Key_6);  // a real key
    EXPECT_EQ(GridPicture(S().layout, S().puzzle.Entry),
              "----...----\n-.........-\n-....6....-\n-.........-\n-.........-\n----...----\n");
    for (const char* before : {"6", "", "5", "3", "3", ""}) {
        EXPECT_EQ(Entry(3, 6), before);
        Click(form->cmdundo);
    }
    EXPECT_EQ(ColourInBox(3, 6, kUser, 30), 0);
    EXPECT_EQ(Selected(), std::pair(3, 6));  // the selection stays

    Type("24");
    answers << "No";
    Click(form->cmdundo, Qt::RightButton);  // resets; the history goes even when declined
    EXPECT_EQ(texts, QStringList{"Reset puzzle?"});
    EXPECT_EQ(Entry(3, 6), "4");
    EXPECT_TRUE(S().undo.empty());
    Click(form->cmdundo, Qt::RightButton);  // nothing to undo: no question
    // Answered Yes it reloads the puzzle, also when its file has lost it.
    for (bool lost : {false, true}) {
        Enter(3, 6, "2");
        if (lost) fs::remove(WorkFile("puzzles.txt"));
        answers << "Yes";
        lost ? form->mnureset->trigger() : Click(form->cmdundo, Qt::RightButton);
        EXPECT_TRUE(Entry(3, 6).empty() && S().undo.empty() && !MarkerShown());
        EXPECT_EQ(Shown(), "Puzzle reset | p# 1 of 10 | puzzles.txt");
        EXPECT_EQ(ColourInBox(3, 6, kUser, 30), 0);
    }
}

TEST_F(PlayTest, ArrowKeysMoveTheSelectionOnReleaseAndStopAtGivenCellsAndGaps) {
    PointAt(3, 7);  // hexagon 4, side 3
    QTest::keyPress(form->Picture1, Qt::Key_Right);
    QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(form->Picture1, &repeat);
    EXPECT_EQ(Selected(), std::pair(3, 7));
    Release(Qt::Key_Right);
    EXPECT_EQ(Selected(), std::pair(3, 8));          // hexagon 3, side 6
    EXPECT_DOUBLE_EQ(Marker().top(), 1700 + 197.5);  // a quarter down, upper or lower cell
    EXPECT_EQ(Status(), "Hex = 3, Cell= 6");
    Release(Qt::Key_Down);
    Type("1");
    EXPECT_EQ(Entry(4, 8), "1");
    const std::tuple<int, int, Qt::Key, double> stays[] = {
        {3, 9, Qt::Key_Right, 1798.75},  // hexagon 3, side 5: its side 4 is given
        {2, 6, Qt::Key_Up, 1008.75},     // hexagon 1, side 5: its top is given
        {3, 3, Qt::Key_Left, 1798.75},   // hexagon 2, side 5: its side 6 is given
        {5, 8, Qt::Key_Down, 3378.75},   // hexagon 6, side 6: nothing below
        {3, 6, Qt::Key_Home, 1897.5},    // only the marker moves
        {4, 6, Qt::Key_End, 2687.5}};
    for (const auto& [row, col, key, top] : stays) {
        PointAt(row, col);
        Release(key);
        EXPECT_EQ(Selected(), std::pair(row, col));
        EXPECT_DOUBLE_EQ(Marker().top(), top) << row << "," << col;
    }
}

TEST_F(PlayTest, VerifySaysAllDoneOnlyWithEveryOpenCellRightAndTheSolutionShowsWhileHeld) {
    for (int row = 1; row <= 6; ++row)
        for (int col = 1; col <= 11; ++col)
            if (S().layout.IsBoardCell(row, col) && !S().layout.Given[row][col])
                Enter(row, col, Q(S().puzzle.Solution[row][col]));
    const std::string right = Entry(4, 6);
    Enter(4, 6, ".");  // a status of its own first
    Click(form->cmdverify);
    EXPECT_EQ(Status(), "Not done yet");
    S().puzzle.Entry[4][6] = right;  // changed without a drawing
    answers << "Ok";
    QTest::mousePress(form->cmdverify, Qt::LeftButton);
    EXPECT_EQ(Status(), "All Done ...");
    EXPECT_EQ(texts, QStringList({"All done !"}));
    EXPECT_EQ(boxes, QStringList({"icon 5: Ok"}));  // the happy face
    EXPECT_GT(ColourInBox(4, 6, kUser, 30), 3);
    QTest::mousePress(form->cmdshowsol, Qt::LeftButton);  // the solution, while held
    EXPECT_TRUE(ColourInBox(4, 6, kUser, 30) == 0 && ColourInBox(4, 6, kFixed, 30) > 3);
    QTest::mouseRelease(form->cmdshowsol, Qt::LeftButton);
    EXPECT_TRUE(ColourInBox(4, 6, kUser, 30) > 3 && ColourInBox(4, 6, kFixed, 30) == 0);
}

TEST_F(PlayTest, AWholePuzzleIsPlayedToAllDoneWithTheKeyboardAlone) {
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    const auto press = [this](QKeySequence keys) {
        // A window back from a box takes a moment to give the focus back.
        for (int wait = 0; wait < 100 && !QApplication::focusWidget(); ++wait)
            QTest::qWait(10);
        const QKeyCombination key = keys[0];
        QWidget* to = QApplication::focusWidget() ? QApplication::focusWidget() : form;
        QTest::keyClick(to, key.key(), key.keyboardModifiers());
    };
    // Tab goes round every button back to the board.
    std::vector<QWidget*> round;
    for (int step = 0; step < 9; ++step) {
        press(Qt::Key_Tab);
        round.push_back(QApplication::focusWidget());
    }
    EXPECT_EQ(round, std::vector<QWidget*>({form->cmdshowsol, form->cmdverify, form->cmdundo,
                                            form->cmdload, form->cmdarrow[0], form->cmdarrow[1],
                                            form->cmdarrow[2], form->cmdcreate, form->Picture1}));
    // Without a selection a digit finds the first compartment to fill.
    press(Qt::Key_3);
    EXPECT_EQ(Shown(), "Hex = 1, Cell= 4 | p# 1 of 10 | puzzles.txt");
    EXPECT_EQ(Entry(2, 7), "");
    // Every open compartment in turn, Control+arrow stepping over clues and gaps.
    int filled = 0;
    for (;; ++filled) {
        const auto [row, col] = Selected();
        if (filled > 0 && std::pair(row, col) == std::pair(2, 7)) break;
        ASSERT_LT(filled, 42);
        if (filled == 3) {  // a slip, taken back
            press(Qt::Key_1);
            press(QKeySequence(Qt::CTRL | Qt::Key_Z));  // the keys a player knows
            EXPECT_EQ(Entry(row, col), "");
        }
        press(QKeySequence(Q(S().puzzle.Solution[row][col]))[0].key());
        EXPECT_EQ(Entry(row, col), S().puzzle.Solution[row][col]);
        press(QKeySequence(Qt::CTRL | Qt::Key_Right));
    }
    EXPECT_EQ(filled, 24);

    answers << "Ok";
    form->cmdverify->setFocus();
    press(Qt::Key_Space);  // "!" by the space bar
    EXPECT_EQ(texts, QStringList({"All done !"}));
    form->activateWindow();  // back from the box
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    press(Qt::Key_PageDown);
    EXPECT_EQ(PuzzleLabel(), "p# 2 of 10");
}

// Interfaces that a user acts on or reads without a name, or with a sibling's name. A label
// names itself by its text; one without text (a swatch, a picture) needs a name of its own.
QStringList Unnamed(QAccessibleInterface* node, const QString& path = {}) {
    static const QList<QAccessible::Role> acted = {
        QAccessible::Button,   QAccessible::CheckBox, QAccessible::RadioButton,
        QAccessible::ComboBox, QAccessible::List,     QAccessible::ScrollBar,
        QAccessible::Slider,   QAccessible::SpinBox,  QAccessible::EditableText,
        QAccessible::Table,    QAccessible::Cell,     QAccessible::Graphic};
    QStringList found, seen;
    for (int index = 0; index < node->childCount(); ++index) {
        QAccessibleInterface* child = node->child(index);
        if (!child || child->state().invisible) continue;
        const QString name = child->text(QAccessible::Name);
        const QString where = path + "/" + QString::number(child->role(), 16) + ":" + name;
        const QString key = QString::number(child->role()) + name;
        const bool bareLabel = child->role() == QAccessible::StaticText && child->object() &&
                               child->object()->property("text").toString().isEmpty();
        if ((acted.contains(child->role()) || bareLabel) && (name.isEmpty() || seen.contains(key)))
            found << where;
        seen << key;
        found << Unnamed(child, where);
    }
    return found;
}

TEST_F(PlayTest, AScreenReaderReadsEveryCompartmentFollowsTheSelectionAndFindsEveryControlNamed) {
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(form->Picture1);
    ASSERT_EQ(board->childCount(), 42);
    const auto reads = [&](int index) {
        QAccessibleInterface* cell = board->child(index);
        return QStringList{cell->text(QAccessible::Name), cell->text(QAccessible::Value),
                           cell->text(QAccessible::Description)}
            .join(" | ");
    };
    const QString clue = Q(S().puzzle.Solution[1][5]);
    EXPECT_EQ(reads(0), "Hexagon 1, side 1 | " + clue + " | clue " + clue);
    EXPECT_EQ(reads(3), "Hexagon 1, side 4 | empty | empty, to fill");
    EXPECT_EQ(board->child(3)->role(), QAccessible::Cell);

    PointAt(2, 7);
    Type("4");
    EXPECT_EQ(reads(3), "Hexagon 1, side 4 | 4 | your entry 4");
    EXPECT_TRUE(board->child(3)->state().focused);
    Release(Qt::Key_Left);  // hexagon 1, side 5: the focus follows
    EXPECT_EQ(board->focusChild(), board->child(4));
    // The picture buttons are push buttons that a reader can press.
    QAccessibleInterface* next = QAccessible::queryAccessibleInterface(form->cmdarrow[2]);
    EXPECT_EQ(next->text(QAccessible::Name), "Next puzzle; rightclick for last");
    next->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(PuzzleLabel(), "p# 2 of 10");

    // Every control of every window has a name of its own.
    form->Options().show();
    form->printing->Form().show();
    AboutForm about;
    about.show();
    for (QWidget* window :
         std::initializer_list<QWidget*>{form, &form->Options(), &form->printing->Form(), &about}) {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        EXPECT_EQ(Unnamed(QAccessible::queryAccessibleInterface(window)), QStringList())
            << window->objectName().toStdString();
        window->hide();
    }
}

TEST_F(PlayTest, ArrowButtonsWrapGoFirstOrLastOnRightClickPickAtRandomAndCountTheFileAfresh) {
    Enter(3, 6, "4");
    const std::tuple<int, Qt::MouseButton, int> moves[] = {
        {0, Qt::LeftButton, 10}, {0, Qt::LeftButton, 9},   {2, Qt::RightButton, 10},
        {2, Qt::LeftButton, 1},  {2, Qt::MiddleButton, 2}, {0, Qt::RightButton, 1}};
    for (const auto& [index, button, to] : moves) {
        Click(form->cmdarrow[index], button);
        EXPECT_EQ(Shown(), QString("Puzzle read | p# %1 of 10 | puzzles.txt").arg(to));
        EXPECT_EQ(OnBoard(), PuzzleLineNo(to));
    }
    EXPECT_EQ(Entry(3, 6), "");
    EXPECT_FALSE(MarkerShown());
    RandomSource same = RandomSource::Fixed(1);
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::LeftButton}) {
        Click(form->cmdarrow[1], button);
        EXPECT_EQ(OnBoard(), PuzzleLineNo(same.Draw(10)));
    }

    Click(form->cmdarrow[2], Qt::RightButton);
    std::ofstream(WorkFile("puzzles.txt"), std::ios::app) << PuzzleLineNo(11) + "\r\n";  // counted
    Click(form->cmdarrow[2]);
    EXPECT_EQ(PuzzleLabel(), "p# 11 of 11");
    std::ofstream(WorkFile("puzzles.txt"), std::ios::trunc);
    answers << "Ok";
    Click(form->cmdarrow[2]);
    EXPECT_EQ(texts, QStringList{"puzzles.txt does not appear to have any puzzles"});
    EXPECT_EQ(OnBoard(), PuzzleLineNo(11));
}

// Next and previous wrap at the ends of the int range as anywhere else, never past it.
TEST(NavigateTarget, NeverStepsAPuzzleNumberPastTheIntRange) {
    auto random = RandomSource::Fixed(1);
    const int most = std::numeric_limits<int>::max();
    EXPECT_EQ(NavigateTarget(kNext, 1, most, most, random), 1);
    EXPECT_EQ(NavigateTarget(kNext, 1, most - 1, most, random), most);
    EXPECT_EQ(NavigateTarget(kPrevious, 1, 1, most, random), most);
    EXPECT_EQ(PuzzleCountOf(std::int64_t{most} + 1), 0);  // as unreadable
}

}  // namespace
}  // namespace lumeta
