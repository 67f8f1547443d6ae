#pragma once

#include <QString>

#include "board/board_layout.h"
#include "board/puzzle_state.h"

class QAccessibleEvent;
class QAccessibleInterface;
class QObject;

namespace lumeta {

// What a screen reader is told about one compartment, numbered in reading order
// (index 0 = hexagon 1, side 1; 6 = hexagon 2, side 1).
struct CellReading {
    int row = 0;
    int col = 0;
    QString name;         // "Hexagon 3, side 4"
    QString value;        // its digit, or "empty"
    QString description;  // "clue 5", "your entry 3" or "empty, to fill"
    bool clue = false;
};
int ReadingCellCount(const BoardLayout& layout);
CellReading ReadCell(const BoardLayout& layout, const PuzzleState& puzzle, int index);
// The reading index of a board cell; -1 off the board.
int ReadingIndexOf(const BoardLayout& layout, int row, int col);

// The accessible side of the board picture: the board is a table whose children are its
// compartments, each a cell with its hexagon and side as name and its digit as value.
QAccessibleInterface* BoardAccessibleFactory(const QString& className, QObject* object);

// Everything the board tells a screen reader goes through TellReader. A listener sees each
// event before it is sent on (Qt sends nothing on while no reader is active, so a test
// cannot watch Qt's own hook); installing one returns the one it replaces.
using ReaderListener = void (*)(QAccessibleEvent* event);
ReaderListener ListenToBoardEvents(ReaderListener listener);
void TellReader(QAccessibleEvent& event);

}  // namespace lumeta
