#include "view/key_entry.h"

namespace lumeta {

KeyEntryResult EnterKey(PuzzleState& puzzle, UndoList& undo, const Selection& selection,
                        int keyCode) {
    if (!selection.HasCell()) return KeyEntryResult::PassedOn;
    const int row = selection.CurRow;
    const int col = selection.CurCol;
    if (row < 0 || row > kGridRowsMax || col < 0 || col > kGridColsMax)
        return KeyEntryResult::Swallowed;

    if (keyCode == 46 || keyCode == 27) {
        PushUndo(undo, puzzle, row, col);
        puzzle.Entry[row][col].clear();
        return KeyEntryResult::Cleared;
    }
    if (keyCode >= 49 && keyCode <= 54) {
        PushUndo(undo, puzzle, row, col);
        puzzle.Entry[row][col].assign(1, static_cast<char>(keyCode));
        return KeyEntryResult::Entered;
    }
    return KeyEntryResult::Swallowed;
}

}  // namespace lumeta
