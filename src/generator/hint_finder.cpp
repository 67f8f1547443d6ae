#include "generator/hint_finder.h"

#include "board/num_text.h"
#include "generator/indexed_board.h"
#include "generator/player_model.h"

namespace lumeta {

namespace {

std::string CellName(int hex, int side) {
    return "Hex " + NumText(hex) + ", side " + NumText(side);
}

// "1, 4 and 6"
std::string DigitList(DigitSet set, const char* last = " and ") {
    std::string list;
    const int count = DigitCount(set);
    int written = 0;
    for (int d = 1; d <= 6; ++d) {
        if (!(set & DigitBit(d))) continue;
        if (written > 0) list += written == count - 1 ? last : ", ";
        list += NumText(d);
        ++written;
    }
    return list;
}

bool IsOpen(const PuzzleState& puzzle, int row, int col) {
    return puzzle.Shown[row][col] != 1;
}

// Why the model's step holds, in one sentence.
// Short enough for the status line.
std::string Reason(const IndexedBoard& board, const KnownDigits& known,
                   const PlayerModel::Step& step) {
    const int hex = step.index / 6 + 1;
    const int t = board.touch[step.index];
    const std::string d = NumText(step.digit);
    const std::string head = CellName(hex, step.index % 6 + 1) + " is " + d + ": ";
    if (step.kind == MoveKind::Pair) return head + "a pair in its hexagon leaves only " + d;
    if (step.kind == MoveKind::Candidates)
        return head + "candidates of touching sides leave only " + d;
    if (step.kind == MoveKind::Trial)
        return head + "a candidate tried elsewhere led to a contradiction";
    if (t >= 0 && known[t] != 0 && !step.onlyPlace)
        return head + "it touches the " + NumText(known[t]) + " of hex " + NumText(t / 6 + 1) +
               " (sum 7)";
    if (step.onlyPlace) return head + "no other place in hex " + NumText(hex) + " takes " + d;
    DigitSet missing = kAllDigits;
    for (int k = 0; k < 6; ++k)
        if (known[(hex - 1) * 6 + k] != 0) missing &= ~DigitBit(known[(hex - 1) * 6 + k]);
    if (IsSingleDigit(missing)) return head + "the one digit hex " + NumText(hex) + " lacks";
    // The other digits the hexagon lacks would need partners the touching hexagon has.
    const DigitSet others = RemoveDigits(missing, DigitBit(step.digit));
    return head + "hex " + NumText(t / 6 + 1) + " has " + DigitList(ComplementDigits(others)) +
           ", so not " + DigitList(others, " or ");
}

}  // namespace

std::vector<GridCell> WrongEntries(const BoardLayout& layout, const PuzzleState& puzzle) {
    std::vector<GridCell> wrong;
    for (int row = 1; row <= layout.GridRows; ++row)
        for (int col = 1; col <= layout.GridCols; ++col)
            if (layout.IsBoardCell(row, col) && IsOpen(puzzle, row, col) &&
                !puzzle.Entry[row][col].empty() &&
                puzzle.Entry[row][col] != puzzle.Solution[row][col])
                wrong.push_back({row, col});
    return wrong;
}

Hint FindHint(const BoardLayout& layout, const PuzzleState& puzzle) {
    Hint hint;
    const std::vector<GridCell> wrong = WrongEntries(layout, puzzle);
    const IndexedBoard board = IndexBoard(layout);
    const auto place = [&](int row, int col) {
        hint.row = row;
        hint.col = col;
        const std::string& tag = layout.CellTag[row][col];
        hint.hex = (tag[0] - '0') * 10 + (tag[1] - '0');
        hint.side = tag[2] - '0';
    };
    if (!wrong.empty()) {
        hint.kind = Hint::Kind::WrongEntry;
        place(wrong.front().row, wrong.front().col);
        hint.text = CellName(hint.hex, hint.side) +
                    " is wrong: " + puzzle.Entry[hint.row][hint.col] + " does not go there";
        return hint;
    }
    // What the player knows: the shown digits and the entries, all of them right.
    KnownDigits known{};
    bool anyOpen = false;
    for (int i = 0; i < board.cellCount; ++i) {
        const int row = board.row[i], col = board.col[i];
        const std::string& solution = puzzle.Solution[row][col];
        if (solution.size() != 1 || solution[0] < '1' || solution[0] > '6') return hint;
        const std::string& entry = puzzle.Entry[row][col];
        if (!IsOpen(puzzle, row, col) || !entry.empty())
            known[i] = solution[0] - '0';
        else
            anyOpen = true;
    }
    if (!anyOpen) return hint;
    PlayerModel model(board);
    const PlayerModel::Step step = model.NextStep(known);
    if (step.index < 0) return hint;
    hint.kind = Hint::Kind::Decided;
    place(board.row[step.index], board.col[step.index]);
    hint.digit = step.digit;
    hint.text = Reason(board, known, step);
    return hint;
}

}  // namespace lumeta
