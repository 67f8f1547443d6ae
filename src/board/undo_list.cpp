#include "board/undo_list.h"

#include <cctype>
#include <string_view>

#include "board/num_text.h"

namespace lumeta {

namespace {

// The whole number at the start of a field, leading blanks skipped; -1 when there is none.
int FieldNumber(std::string_view field) {
    std::size_t at = 0;
    while (at < field.size() && field[at] == ' ')
        ++at;
    if (at == field.size() || !std::isdigit(static_cast<unsigned char>(field[at]))) return -1;
    int value = 0;
    for (; at < field.size() && std::isdigit(static_cast<unsigned char>(field[at])); ++at) {
        value = value * 10 + (field[at] - '0');
        if (value > 1000) return -1;  // far beyond any table
    }
    return value;
}

}  // namespace

std::string UndoRecord(int row, int col, const std::string& oldEntry) {
    return BlankNumText(row) + "," + BlankNumText(col) + "," + oldEntry;
}

void PushUndo(UndoList& undo, const PuzzleState& puzzle, int row, int col) {
    if (row < 0 || row > kGridRowsMax || col < 0 || col > kGridColsMax) return;
    undo.records.push_front(UndoRecord(row, col, puzzle.Entry[row][col]));
}

bool UndoLast(UndoList& undo, PuzzleState& puzzle) {
    if (undo.records.empty()) return false;
    const std::string record = std::move(undo.records.front());
    undo.records.pop_front();

    const std::string_view text = record;
    const std::size_t first = text.find(',');
    const std::size_t second = first == std::string_view::npos ? first : text.find(',', first + 1);
    if (second == std::string_view::npos) return true;
    const int row = FieldNumber(text.substr(0, first));
    const int col = FieldNumber(text.substr(first + 1, second - first - 1));
    if (row < 0 || row > kGridRowsMax || col < 0 || col > kGridColsMax) return true;
    puzzle.Entry[row][col] = std::string(text.substr(second + 1));
    return true;
}

}  // namespace lumeta
