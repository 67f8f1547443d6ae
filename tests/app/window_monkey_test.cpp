#include <cstdlib>
#include <iostream>
#include <map>
#include <random>
#include <set>

#include <QClipboard>
#include <QMimeData>
#include <QPrintDialog>

#include "app/play_menu.h"
#include "support/board_fixture.h"
#include "window_fixture.h"

namespace lumeta {
namespace {

using namespace lumeta::testing;

// Random pointer moves, key presses and releases, button presses and releases and every menu
// command, with every box and window the game opens worked and closed at random. Each run
// takes a fresh seed and prints it; LUMETA_MONKEY_SEED repeats a run, LUMETA_MONKEY_EVENTS
// changes its length.
class MonkeyTest : public WindowTest {
  protected:
    void SetUp() override {
        const char *seedText = std::getenv("LUMETA_MONKEY_SEED"),
                   *eventsText = std::getenv("LUMETA_MONKEY_EVENTS");
        seed = seedText ? std::strtoull(seedText, nullptr, 10) : std::random_device{}();
        events = eventsText ? std::atoi(eventsText) : 20000;
        std::cout << "monkey seed " << seed << " (LUMETA_MONKEY_SEED=" << seed
                  << " repeats this run)\n";
        rng.seed(seed);
        // Printing goes to the fake printers, and anything kept "at home" stays in the test.
        printSystem->printers = {"Monkey Laser", "Monkey Ink"};
        for (const char* name : {"HOME", "XDG_CONFIG_HOME"}) {
            homeBefore_.emplace_back(name, qgetenv(name));
            qputenv(name, QByteArray::fromStdString((dir.path() / "home").string()));
        }
        WritePuzzles("puzzles.txt", 30);
        std::ofstream(WorkFile("garbage.txt"), std::ios::binary) << "12\0\x1b[2J\r\rxyz\n";
        std::ofstream(WorkFile("empty.txt"), std::ios::binary);
        Start(seed);
        // Boxes may follow one another within one event, so answers are kept ready. The
        // file dialog asks its own questions ("does not exist", "replace?") while the
        // fixture's answering is still busy with the dialog: this answers them.
        QObject::connect(&questions_, &QTimer::timeout, [this] {
            KeepAnswersReady();
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                const QList<QAbstractButton*> buttons = box->buttons();
                if (!buttons.isEmpty()) buttons[Pick(static_cast<int>(buttons.size()))]->click();
            } else if (modal && !qobject_cast<MsgForm*>(modal) &&
                       !qobject_cast<QFileDialog*>(modal)) {
                WorkAWindow(modal);
            }
        });
        questions_.start(3);
    }
    void TearDown() override {
        answers.clear();
        for (const auto& [name, value] : homeBefore_)
            value.isNull() ? qunsetenv(name) : qputenv(name, value);
    }

    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(rng); }
    template <typename T>
    const T& PickOf(const std::vector<T>& from) {
        return from[static_cast<std::size_t>(Pick(static_cast<int>(from.size())))];
    }

    // Whatever a box or dialog may be asked next: a button caption or a file.
    void KeepAnswersReady() {
        std::vector<QString> replies = {"Yes", "No", "Ok", "Cancel", "Retry", ""};
        for (const char* file :
             {"puzzles.txt", "garbage.txt", "empty.txt", "missing.txt", "saved.txt", ""})
            replies.push_back(Q(WorkFile(file)));
        while (answers.size() < 3)
            answers << PickOf(replies);
    }

    void PressAKey() {
        // A character, or a key without one.
        static const QString chars = "1234567 09.a+";
        static const std::vector<std::pair<int, QString>> keys = {
            {Qt::Key_Escape, "\x1b"}, {Qt::Key_Backspace, "\b"}, {Qt::Key_Delete, ""},
            {Qt::Key_Left, ""},       {Qt::Key_Right, ""},       {Qt::Key_Up, ""},
            {Qt::Key_Down, ""}};
        const int n = Pick(static_cast<int>(chars.size() + keys.size()));
        const auto [key, text] = n < chars.size()
                                     ? std::pair(int(chars[n].toUpper().unicode()), chars.mid(n, 1))
                                     : keys[static_cast<std::size_t>(n - chars.size())];
        Pick(4) == 0 ? Release(static_cast<Qt::Key>(key))  // a release without its press
                     : void(Key(key, text));
    }

    // One button is held at a time: the next button event lets it go.
    void PressOrReleaseAButton() {
        if (held) {
            undoAsked = held == form->cmdundo && heldWith == Qt::LeftButton;
            QTest::mouseRelease(held, heldWith);
            held = nullptr;
            return;
        }
        const std::vector<BoxControl*> buttons = {
            form->cmdarrow[0], form->cmdarrow[1], form->cmdarrow[2],
            form->cmdshowsol,  form->cmdverify,   form->cmdundo,
            form->cmdundo,     form->cmdcreate,   form->cmdload};
        held = PickOf(buttons);
        heldWith = Pick(3) == 0 ? Qt::RightButton : Qt::LeftButton;
        QTest::mousePress(held, heldWith);
    }

    // Every command of the menu bar and of its submenus (Copy to Clipboard, Board size,
    // Create by grade) in turn, in an order shuffled anew each round.
    std::vector<QAction*> Commands(const QList<QAction*>& actions = {}) const {
        std::vector<QAction*> all;
        for (QAction* command : actions.isEmpty() ? form->menuBar()->actions() : actions)
            if (const QMenu* menu = command->menu())
                for (QAction* inner : Commands(menu->actions()))
                    all.push_back(inner);
            else if (!command->isSeparator())
                all.push_back(command);
        return all;
    }
    void UseAMenu() {
        if (menuRound.empty()) {
            menuRound = Commands();
            std::shuffle(menuRound.begin(), menuRound.end(), rng);
        }
        QAction* command = menuRound.back();
        menuRound.pop_back();
        if (!command->isEnabled() || !command->isVisible()) return;
        used.insert(command);
        lastCommand = command->text().toStdString();
        undoAsked = command == form->playMenu->undo;
        if (command == form->playMenu->showSolution) solutionFromMenu.start();
        command->trigger();
    }

    // A window of the game's own (options, print, help, about and what they open): a few
    // of its buttons pressed, then closed. Each press comes from the event loop, so that a
    // window it opens is worked in turn.
    void WorkAWindow(QWidget* window) {
        windowsSeen.insert(window->metaObject()->className());
        // Qt's own printer dialog is only looked at: its buttons reach the machine's printers.
        const bool qtPrintDialog = qobject_cast<QPrintDialog*>(window);
        if (qtPrintDialog || Pick(3) == 0 || ++pressesIn[window] > 4) {
            pressesIn.erase(window);
            if (auto* dialog = qobject_cast<QDialog*>(window))
                dialog->reject();
            else
                window->close();
            return;
        }
        std::vector<QWidget*> buttons;
        for (QWidget* child : window->findChildren<QWidget*>())
            if ((qobject_cast<QAbstractButton*>(child) || qobject_cast<BoxControl*>(child)) &&
                child->isVisible() && child->isEnabled())
                buttons.push_back(child);
        if (buttons.empty()) return;
        QPointer<QWidget> button = PickOf(buttons);
        const Qt::MouseButton with = Pick(3) == 0 ? Qt::RightButton : Qt::LeftButton;
        QTimer::singleShot(0, window, [button, with] {
            if (button) QTest::mouseClick(button, with);
        });
    }

    // The whole board before each change an undo record stands for, newest first; empty
    // where the board changed otherwise since (another puzzle loaded). After an undo the
    // whole board must be as it was before the change it takes back.
    static bool Same(const PuzzleState& a, const PuzzleState& b) {
        return a.Entry == b.Entry && a.Solution == b.Solution && a.Shown == b.Shown;
    }
    void FollowUndo(const PuzzleState& before, std::size_t recordsBefore) {
        const std::size_t records = S().undo.size();
        const bool asked = std::exchange(undoAsked, false);
        if (records == recordsBefore + 1) return boardsBefore.push_front(before);
        if (asked && records + 1 == recordsBefore && !boardsBefore.empty()) {
            const std::optional<PuzzleState> expected = boardsBefore.front();
            boardsBefore.pop_front();
            undosChecked += expected.has_value();
            EXPECT_TRUE(!expected || Same(S().puzzle, *expected))
                << "an undo left the board\n"
                << GridPicture(S().layout, S().puzzle.Entry) << "other than before its change\n"
                << GridPicture(S().layout, expected->Entry);
        } else if (records != recordsBefore || !Same(S().puzzle, before)) {
            boardsBefore.assign(records, std::nullopt);
        }
    }

    // The picture shows the state: drawn afresh, the board looks the same.
    void CheckPicture() {
        const GameState& s = S();
        BoardPicture fresh;
        fresh.SetExtent(BoardPictureExtent(s.layout));
        fresh.SetTwipsPerPixel(form->Picture1->TwipsPerPixelX(), form->Picture1->TwipsPerPixelY());
        fresh.setFont(form->Picture1->font());
        fresh.DrawBoard(s.layout, s.puzzle, s.geometry, s.appearance, 0);
        EXPECT_TRUE(fresh.Image() == form->Picture1->Image())
            << "the board differs from a fresh drawing; the last command: " << lastCommand;
    }

    std::string Signature() { return OnBoard() + GridPicture(S().layout, S().puzzle.Entry); }

    std::uint64_t seed = 0;
    int events = 0;
    std::mt19937_64 rng;
    BoxControl* held = nullptr;
    Qt::MouseButton heldWith = Qt::LeftButton;
    std::vector<QAction*> menuRound;
    std::set<QAction*> used;            // menu commands triggered
    std::set<std::string> windowsSeen;  // classes of the windows worked
    std::map<QWidget*, int> pressesIn;
    std::deque<std::optional<PuzzleState>> boardsBefore;
    int undosChecked = 0;
    bool undoAsked = false;  // the event was an undo command
    std::string lastCommand;
    QElapsedTimer solutionFromMenu;  // the menu shows the solution for a while
    std::vector<std::pair<const char*, QByteArray>> homeBefore_;
    QTimer questions_;
};

TEST_F(MonkeyTest, TwentyThousandRandomEventsKeepTheWindowSound) {
    std::string drawn = Signature();

    for (int step = 0; step < events; ++step) {
        SCOPED_TRACE("monkey seed " + std::to_string(seed) + ", event " + std::to_string(step));
        KeepAnswersReady();
        const PuzzleState before = S().puzzle;
        const std::size_t recordsBefore = S().undo.size();
        const int kind = Pick(100);

        // Boxes and dialogs are slow to answer; the commands that open them come less often.
        const bool command = kind >= 82;
        if (kind < 42)
            MovePointer(QPoint(Pick(form->Picture1->width() + 40) - 20,
                               Pick(form->Picture1->height() + 40) - 20));
        else if (kind < 82)
            PressAKey();
        else if (kind < 97)
            PressOrReleaseAButton();
        else
            UseAMenu();
        if (!form->isVisible()) form->show();  // after Exit
        FollowUndo(before, recordsBefore);
        // While the solution button is held, or for a while after the menu's Show solution, the
        // picture shows the solution on purpose.
        const std::string now = Signature();
        if ((now != drawn || command) && held != form->cmdshowsol &&
            !(solutionFromMenu.isValid() &&
              solutionFromMenu.elapsed() < PlayMenu::kShowFromMenuMs + 500)) {
            CheckPicture();
            drawn = now;
        }
        if (HasFailure()) break;
    }
    if (held) QTest::mouseRelease(held, heldWith);
    std::cout << texts.size() << " boxes and dialogs answered, " << undosChecked
              << " undos checked\n";
    if (HasFailure() || events < 20000) return;
    // Every command (the recent files aside) and every window was reached, and the
    // clipboard holds the last picture copied.
    for (QAction* command : Commands())
        EXPECT_TRUE(used.count(command) || command->objectName().startsWith("mnuoldfiles"))
            << command->text().toStdString();
    EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->hasImage());
    for (const char* window :
         {"lumeta::OptionsForm", "lumeta::PrntForm", "lumeta::Form4", "lumeta::AboutForm"})
        EXPECT_TRUE(windowsSeen.count(window)) << window;
    EXPECT_GT(undosChecked, 50);
}

}  // namespace
}  // namespace lumeta
