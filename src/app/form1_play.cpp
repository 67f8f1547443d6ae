// The game window's play on the board: the pointer and the keys select and fill
// compartments, and the buttons under the board verify, show the solution, undo and reset.
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

#include "app/form1.h"
#include "app/local_text.h"
#include "controls/box_control.h"
#include "controls/input_codes.h"
#include "controls/msg_form.h"
#include "view/board_picture.h"
#include "view/cursor_move.h"
#include "view/key_entry.h"
#include "view/pointer_hit.h"

namespace lumeta {

namespace {

constexpr int kRightButton = 2;

// The character code of a key that types a character (Escape included); -1 for keys that
// type none (arrows, Home, function keys) and for Tab, which moves the focus.
int CharacterCode(const QKeyEvent& key) {
    if (key.key() == Qt::Key_Escape) return 27;
    if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) return -1;
    const QString text = key.text();
    if (text.isEmpty()) return -1;
    return text.at(0).unicode();
}

}  // namespace

// ---------------------------------------------------------------------------------------
// Selecting, typing, moving, undo

void Form1::PointerMoved(double x, double y) {
    GameState& s = state_;
    if (Busy()) {
        s.selection.Clear();
        return;
    }
    const PointerTarget target = FindPointerTarget(s.layout, s.puzzle, s.geometry, x, y);
    if (target.kind == PointerTarget::Kind::GivenCell) return;
    Picture1->HideMarker();
    if (target.kind == PointerTarget::Kind::OffBoard) {
        s.selection.Clear();
        Statx->clear();
        return;
    }
    Statx->setText(QtText(PointerStatusText(target.hex, target.side)));
    Picture1->MoveMarker(target.markerLeft, target.markerTop);
    Picture1->ShowMarker();
    s.selection.CurRow = target.row;
    s.selection.CurCol = target.col;
    Picture1->setFocus();
    Picture1->AnnounceSelection();
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Picture1) {
        if (event->type() == QEvent::KeyPress) return CharacterKey(*static_cast<QKeyEvent*>(event));
        if (event->type() == QEvent::KeyRelease) {
            KeyReleased(*static_cast<QKeyEvent*>(event));
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool Form1::CharacterKey(const QKeyEvent& key) {
    const int code = CharacterCode(key);
    if (code < 0 || !mnucreate->isEnabled()) return false;
    if (!state_.selection.HasCell() && code >= '1' && code <= '6') {
        // Without a pointer the first digit finds the first compartment to fill.
        if (!Busy())
            SelectByKey(StepOpenCell(state_.layout, state_.puzzle, state_.geometry, 0, 0, 1));
        return true;
    }
    switch (EnterKey(state_.puzzle, state_.undo, state_.selection, code)) {
        case KeyEntryResult::PassedOn:
            return false;
        case KeyEntryResult::Swallowed:
            return true;
        case KeyEntryResult::Cleared:
            DrawBoard(0);
            return true;
        case KeyEntryResult::Entered:
            DrawBoard(0);
            Picture1->setFocus();
            return true;
    }
    return true;
}

void Form1::KeyReleased(const QKeyEvent& key) {
    // A held key moves once, when it is let go.
    if (key.isAutoRepeat()) return;
    const std::string direction = MovementDirection(VirtualKeyCode(key));
    if (direction.empty()) return;
    GameState& s = state_;
    // Without a selection a movement key starts at the first compartment to fill; with
    // Control the arrows go to the next or previous one, over given cells and gaps.
    const bool jump = key.modifiers() & Qt::ControlModifier;
    if (!s.selection.HasCell() || (jump && direction != "H" && direction != "E")) {
        if (Busy()) return;
        const int step = direction == "L" || direction == "U" ? -1 : 1;
        return SelectByKey(StepOpenCell(s.layout, s.puzzle, s.geometry, s.selection.CurRow,
                                        s.selection.CurCol, s.selection.HasCell() ? step : 1));
    }
    SelectByKey(MoveCursor(s.layout, s.puzzle, s.geometry, s.selection.CurRow, s.selection.CurCol,
                           direction));
}

void Form1::SelectByKey(const CursorPlace& place) {
    if (!place.placed) return;
    GameState& s = state_;
    s.selection.CurRow = place.row;
    s.selection.CurCol = place.col;
    Picture1->MoveMarker(place.markerLeft, place.markerTop);
    Picture1->ShowMarker();
    const HexSide cell = CellHexSide(s.layout, place.row, place.col);
    Statx->setText(QtText(PointerStatusText(cell.hex, cell.side)));
    Picture1->AnnounceSelection();
}

void Form1::UndoReleased(int button) {
    if (!mnucreate->isEnabled() || state_.undo.empty()) return;
    if (button != kRightButton) {
        UndoLast(state_.undo, state_.puzzle);
        DrawBoard(0);
        return;
    }
    // The history goes also when the reset is declined.
    ResetCommand();
    state_.undo.Clear();
}

// ---------------------------------------------------------------------------------------
// Verify, show solution, reset

void Form1::VerifyPressed(int button) {
    if (Busy()) return;
    switch (VerifyPuzzle(state_.layout, state_.puzzle)) {
        case VerifyOutcome::NoPuzzle:
            return;
        case VerifyOutcome::NotDone:
            Statx->setText(QStringLiteral("Not done yet"));
            return;
        case VerifyOutcome::AllDone:
            Statx->setText(QStringLiteral("All Done ..."));
            Message("All done !", QStringLiteral("vbhappy+vbok"));
            FinishSwallowedPress(cmdverify, button);
            return;
    }
}

void Form1::FinishSwallowedPress(BoxControl* button, int mouseButton) {
    // A box opened by a button press takes the release that belongs to the button: end the
    // press, so the button does not stay down and its release still runs.
    if (button->BorderStyle() != 1 || QGuiApplication::mouseButtons() != Qt::NoButton) return;
    const Qt::MouseButton which = mouseButton == 2   ? Qt::RightButton
                                  : mouseButton == 4 ? Qt::MiddleButton
                                                     : Qt::LeftButton;
    const QPointF inside(1, 1);
    QMouseEvent release(QEvent::MouseButtonRelease, inside, button->mapToGlobal(inside), which,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(button, &release);
}

void Form1::VerifyReleased() {
    if (!Busy()) DrawBoard(0);
}

void Form1::ShowSolutionPressed() {
    if (!Busy()) DrawBoard(1);
}

void Form1::ShowSolutionReleased() {
    if (!Busy()) DrawBoard(0);
}

void Form1::ResetCommand() {
    GameState& s = state_;
    // A reset while a puzzle is being created would load into the board being made.
    if (s.current.PuzzleFile.empty() || Busy()) return;
    if (Message("Reset puzzle?", QStringLiteral("vbquestion+vbyesno")) != kResultYes) return;
    int err = 0;
    const std::string file = s.current.PuzzleFile;
    const LoadReport report =
        LoadPuzzle(s.layout, s.puzzle, s.current, file, s.current.PuzzleNo, err);
    TakeLoadReport(report);
    if (!report.loaded()) {
        // The file no longer holds the puzzle; the board still does, so its entries go.
        ClearEntries(s.puzzle);
        s.selection.Clear();
        s.undo.Clear();
    }
    DrawBoard(0);
    Statx->setText(QStringLiteral("Puzzle reset"));
}

}  // namespace lumeta
