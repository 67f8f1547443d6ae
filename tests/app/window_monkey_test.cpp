#include <cstdlib>
#include <iostream>
#include <random>

#include "window_fixture.h"

namespace lumeta {
namespace {

using namespace lumeta::testing;

// Random pointer moves, key presses and releases, button presses and releases and menu
// commands, with every box the window opens answered at random. LUMETA_MONKEY_SEED
// repeats a run; LUMETA_MONKEY_EVENTS changes its length.
class MonkeyTest : public WindowTest {
  protected:
    void SetUp() override {
        const char* seedText = std::getenv("LUMETA_MONKEY_SEED");
        const char* eventsText = std::getenv("LUMETA_MONKEY_EVENTS");
        seed = seedText ? std::strtoull(seedText, nullptr, 10) : 20261207;
        events = eventsText ? std::atoi(eventsText) : 20000;
        std::cout << "monkey seed " << seed << " (LUMETA_MONKEY_SEED=" << seed
                  << " repeats this run)\n";
        rng.seed(seed);
        WritePuzzles("puzzles.txt", 30);
        std::ofstream(WorkFile("garbage.txt"), std::ios::binary) << "12\0\x1b[2J\r\rxyz\n";
        std::ofstream(WorkFile("empty.txt"), std::ios::binary);
        Start(seed);
        // Boxes may follow one another within one event, so answers are kept ready. The
        // file dialog asks its own questions ("does not exist", "replace?") while the
        // fixture's answering is still busy with the dialog: this answers them.
        QObject::connect(&questions_, &QTimer::timeout, [this] {
            KeepAnswersReady();
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            const QList<QAbstractButton*> buttons =
                box ? box->buttons() : QList<QAbstractButton*>();
            if (!buttons.isEmpty()) buttons[Pick(static_cast<int>(buttons.size()))]->click();
        });
        questions_.start(3);
    }
    void TearDown() override { answers.clear(); }

    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(rng); }
    template <typename T>
    const T& PickOf(const std::vector<T>& from) {
        return from[static_cast<std::size_t>(Pick(static_cast<int>(from.size())))];
    }

    // Whatever a box or dialog may be asked next: a button caption or a file.
    void KeepAnswersReady() {
        const std::vector<QString> replies = {"Yes",
                                              "No",
                                              "Ok",
                                              "Cancel",
                                              "Retry",
                                              "",
                                              Q(WorkFile("puzzles.txt")),
                                              Q(WorkFile("garbage.txt")),
                                              Q(WorkFile("empty.txt")),
                                              Q(WorkFile("missing.txt")),
                                              Q(WorkFile("saved.txt")),
                                              Q(WorkFile(""))};
        while (answers.size() < 3)
            answers << PickOf(replies);
    }

    void MovePointerSomewhere() {
        const QSize size = form->Picture1->size();
        MovePointer(QPoint(Pick(size.width() + 40) - 20, Pick(size.height() + 40) - 20));
    }

    void PressAKey() {
        static const std::vector<std::pair<int, QString>> keys = {
            {Qt::Key_1, "1"},      {Qt::Key_2, "2"},         {Qt::Key_3, "3"},
            {Qt::Key_4, "4"},      {Qt::Key_5, "5"},         {Qt::Key_6, "6"},
            {Qt::Key_7, "7"},      {Qt::Key_0, "0"},         {Qt::Key_9, "9"},
            {Qt::Key_Period, "."}, {Qt::Key_Escape, "\x1b"}, {Qt::Key_Left, ""},
            {Qt::Key_Right, ""},   {Qt::Key_Up, ""},         {Qt::Key_Down, ""},
            {Qt::Key_A, "a"},      {Qt::Key_Space, " "},     {Qt::Key_Backspace, "\b"},
            {Qt::Key_Delete, ""},  {Qt::Key_Plus, "+"}};
        const auto& [key, text] = PickOf(keys);
        if (Pick(4) == 0)
            Release(static_cast<Qt::Key>(key));  // a release without its press
        else
            Key(key, text);
    }

    // One button is held at a time: the next button event lets it go.
    void PressOrReleaseAButton() {
        if (held) {
            const bool undo = held == form->cmdundo && heldWith == Qt::LeftButton;
            const std::deque<std::string> records = S().undo.records;
            QTest::mouseRelease(held, heldWith);
            if (undo && !records.empty() && S().undo.size() + 1 == records.size())
                CheckUndoRestored(records.front());
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

    void UseAMenu() {
        std::vector<QAction*> commands = {form->mnuloadpuzfile, form->mnusaveopts, form->mnucreate,
                                          form->mnusave,        form->mnureset,    form->mnureset};
        for (int entry = 0; entry < 5; ++entry)
            if (form->mnuoldfiles[entry]->isVisible()) commands.push_back(form->mnuoldfiles[entry]);
        QAction* command = PickOf(commands);
        if (command->isEnabled()) command->trigger();
    }

    void CheckUndoRestored(const std::string& record) {
        // " 3, 5,4": row, column, the entry before the change.
        const auto first = record.find(','), second = record.find(',', first + 1);
        const int row = std::stoi(record.substr(0, first));
        const int col = std::stoi(record.substr(first + 1, second - first - 1));
        EXPECT_EQ(Entry(row, col), record.substr(second + 1)) << "undo of \"" << record << "\"";
    }

    void CheckInvariants() {
        const GameState& s = S();
        if (s.selection.HasCell()) {
            EXPECT_EQ(s.puzzle.Shown[s.selection.CurRow][s.selection.CurCol], 0)
                << "the selection rests on a shown cell";
        }
        for (const auto& row : s.puzzle.Entry)
            for (const std::string& entry : row)
                EXPECT_TRUE(entry.empty() ||
                            (entry.size() == 1 && entry[0] >= '1' && entry[0] <= '6'))
                    << "entry \"" << entry << "\"";
    }

    // The picture shows the state: drawn afresh, the board looks the same.
    void CheckPicture() {
        const GameState& s = S();
        BoardPicture fresh;
        fresh.SetTwipsPerPixel(form->Picture1->TwipsPerPixelX(), form->Picture1->TwipsPerPixelY());
        fresh.setFont(form->Picture1->font());
        fresh.DrawBoard(s.layout, s.puzzle, s.geometry, s.appearance, 0);
        EXPECT_TRUE(fresh.Image() == form->Picture1->Image())
            << "the board picture differs from a fresh drawing of the board";
    }

    std::string Signature() {
        std::string signature = OnBoard();
        for (const auto& row : S().puzzle.Entry)
            for (const std::string& entry : row)
                signature += entry.empty() ? "_" : entry;
        return signature;
    }

    std::uint64_t seed = 0;
    int events = 0;
    std::mt19937_64 rng;
    BoxControl* held = nullptr;
    Qt::MouseButton heldWith = Qt::LeftButton;
    QTimer questions_;
};

TEST_F(MonkeyTest, TwentyThousandRandomEventsKeepTheWindowSound) {
    std::string drawn = Signature();

    for (int step = 0; step < events; ++step) {
        SCOPED_TRACE("monkey seed " + std::to_string(seed) + ", event " + std::to_string(step));
        KeepAnswersReady();
        const int kind = Pick(100);

        // Boxes and dialogs are slow to answer; the commands that open them come less often.
        const bool command = kind >= 82;
        if (kind < 42)
            MovePointerSomewhere();
        else if (kind < 82)
            PressAKey();
        else if (kind < 97)
            PressOrReleaseAButton();
        else
            UseAMenu();
        if (!form->isVisible()) form->show();
        CheckInvariants();
        // While the solution button is held the picture shows the solution on purpose.
        const std::string now = Signature();
        if ((now != drawn || command) && held != form->cmdshowsol) {
            CheckPicture();
            drawn = now;
        }
        if (HasFailure()) break;
    }
    if (held) QTest::mouseRelease(held, heldWith);
    std::cout << texts.size() << " boxes and dialogs answered\n";
}

}  // namespace
}  // namespace lumeta
