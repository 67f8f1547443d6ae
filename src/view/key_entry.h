#pragma once

#include "board/puzzle_state.h"
#include "board/undo_list.h"
#include "view/selection.h"

namespace lumeta {

// What a character key did on the board.
enum class KeyEntryResult {
    PassedOn,   // no cell selected: the key goes on unchanged
    Swallowed,  // consumed without effect
    Cleared,    // "." or Escape emptied the selected cell
    Entered,    // a digit 1..6 went into the selected cell
};

// A character key (its character code: 46 ".", 27 Escape, 49..54 "1".."6") on the
// selected cell. Every accepted key records the cell's old entry first, also when the
// entry does not change. Only the selected cell changes; the digit is not checked.
KeyEntryResult EnterKey(PuzzleState& puzzle, UndoList& undo, const Selection& selection,
                        int keyCode);

}  // namespace lumeta
