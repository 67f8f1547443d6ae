#pragma once

#include <deque>
#include <string>

#include "board/puzzle_state.h"

namespace lumeta {

// The history of the player's entries, newest first. A record is " 3, 5,4": the row and
// the column each with one leading blank, then the cell's entry before the change (empty
// when the cell was empty). It only ever holds records of the puzzle in play: every
// board build and every puzzle load empties it.
struct UndoList {
    std::deque<std::string> records;

    bool empty() const { return records.empty(); }
    std::size_t size() const { return records.size(); }
    void Clear() { records.clear(); }
};

// The record that restores cell (row, col) to `oldEntry`.
std::string UndoRecord(int row, int col, const std::string& oldEntry);

// Records the cell's current entry before it changes.
void PushUndo(UndoList& undo, const PuzzleState& puzzle, int row, int col);

// Puts the newest record's entry back into its cell and removes the record. False when
// the list is empty. A record naming no cell of the tables is dropped without effect.
bool UndoLast(UndoList& undo, PuzzleState& puzzle);

}  // namespace lumeta
