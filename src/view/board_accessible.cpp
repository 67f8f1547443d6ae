#include "view/board_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <algorithm>
#include <map>
#include <utility>

#include "controls/twips.h"
#include "view/board_picture.h"
#include "view/cursor_move.h"

namespace lumeta {

int ReadingCellCount(const BoardLayout& layout) {
    return std::clamp(layout.HexTotal, 0, kHexMax) * 6;
}

CellReading ReadCell(const BoardLayout& layout, const PuzzleState& puzzle, int index) {
    CellReading reading;
    if (index < 0 || index >= ReadingCellCount(layout)) return reading;
    const int hex = index / 6 + 1;
    const int side = index % 6 + 1;
    const int cell = layout.HexCell[hex][side];
    if (cell < 1 || cell > kCellsMax) return reading;
    reading.row = layout.CellRow[cell];
    reading.col = layout.CellCol[cell];
    reading.name = QStringLiteral("Hexagon %1, side %2").arg(hex).arg(side);
    reading.clue = puzzle.Shown[reading.row][reading.col] == 1;
    const std::string& digit = reading.clue ? puzzle.Solution[reading.row][reading.col]
                                            : puzzle.Entry[reading.row][reading.col];
    reading.value = digit.empty() ? QStringLiteral("empty") : QString::fromStdString(digit);
    if (reading.clue)
        reading.description = QStringLiteral("clue ") + reading.value;
    else if (digit.empty())
        reading.description = QStringLiteral("empty, to fill");
    else
        reading.description = QStringLiteral("your entry ") + reading.value;
    return reading;
}

int ReadingIndexOf(const BoardLayout& layout, int row, int col) {
    const HexSide at = CellHexSide(layout, row, col);
    if (at.hex < 1 || at.hex > layout.HexTotal || at.side < 1 || at.side > 6) return -1;
    return (at.hex - 1) * 6 + at.side - 1;
}

namespace {

class CellAccessible;

class BoardAccessible : public QAccessibleWidget {
  public:
    explicit BoardAccessible(BoardPicture* board) : QAccessibleWidget(board, QAccessible::Table) {}
    ~BoardAccessible() override {
        for (const auto& [index, id] : cells_)
            QAccessible::deleteAccessibleInterface(id);
    }

    BoardPicture* Board() const { return static_cast<BoardPicture*>(widget()); }

    int childCount() const override {
        const BoardLayout* layout = Board()->Layout();
        return layout ? ReadingCellCount(*layout) : 0;
    }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* focusChild() const override {
        const int selected = Board()->SelectedIndex();
        return Board()->hasFocus() && selected >= 0 ? child(selected) : nullptr;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int index = 0; index < childCount(); ++index)
            if (QAccessibleInterface* cell = child(index); cell->rect().contains(x, y)) return cell;
        return nullptr;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Description && widget()->accessibleDescription().isEmpty())
            return QStringLiteral(
                "Arrow keys move between compartments, Control with an arrow goes to the next "
                "open one, digits 1 to 6 fill it, period or Escape clears it");
        return QAccessibleWidget::text(t);
    }

  private:
    mutable std::map<int, QAccessible::Id> cells_;
};

class CellAccessible : public QAccessibleInterface, public QAccessibleValueInterface {
  public:
    CellAccessible(BoardPicture* board, int index) : board_(board), index_(index) {}

    bool isValid() const override {
        return board_ && board_->Layout() && index_ < ReadingCellCount(*board_->Layout());
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return board_ ? board_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(board_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::Cell; }

    QString text(QAccessible::Text t) const override {
        if (!isValid()) return {};
        const CellReading reading = Read();
        switch (t) {
            case QAccessible::Name:
                return reading.name;
            case QAccessible::Value:
                return reading.value;
            case QAccessible::Description:
                return reading.description;
            default:
                return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}

    // The digit as a number too (0 for an empty compartment), so a changed digit reaches
    // readers that listen for value changes.
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface*>(this)
                                                   : nullptr;
    }
    QVariant currentValue() const override { return isValid() ? Read().value.toInt() : 0; }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return 6; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

    QRect rect() const override {
        if (!isValid()) return {};
        const CellReading reading = Read();
        const BoardGeometry& g = *board_->Geometry();
        const BoardLayout& layout = *board_->Layout();
        const TwipScale scale{static_cast<double>(board_->TwipsPerPixelX()),
                              static_cast<double>(board_->TwipsPerPixelY())};
        const QRect box =
            scale.Pixels(g.CellX[reading.row][reading.col], g.CellY[reading.row][reading.col],
                         layout.ColStep, layout.RowStep);
        return QRect(board_->mapToGlobal(box.topLeft()), box.size());
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        const bool clue = Read().clue;
        state.readOnly = clue;
        state.focusable = !clue;
        state.selectable = !clue;
        const bool selected = board_->SelectedIndex() == index_;
        state.selected = selected;
        state.focused = selected && board_->hasFocus();
        state.invisible = !board_->isVisible();
        return state;
    }

    int Index() const { return index_; }

  private:
    CellReading Read() const { return ReadCell(*board_->Layout(), *board_->Puzzle(), index_); }

    QPointer<BoardPicture> board_;
    int index_;
};

QAccessibleInterface* BoardAccessible::child(int index) const {
    if (index < 0 || index >= childCount()) return nullptr;
    auto found = cells_.find(index);
    if (found == cells_.end()) {
        // The registry owns the cell; this keeps its id to release it.
        const QAccessible::Id id =
            QAccessible::registerAccessibleInterface(new CellAccessible(Board(), index));
        found = cells_.emplace(index, id).first;
    }
    return QAccessible::accessibleInterface(found->second);
}

int BoardAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (child && child->role() == QAccessible::Cell && child->parent() == this)
        return static_cast<const CellAccessible*>(child)->Index();
    return -1;
}

}  // namespace

namespace {
ReaderListener readerListener = nullptr;
}

ReaderListener ListenToBoardEvents(ReaderListener listener) {
    return std::exchange(readerListener, listener);
}

void TellReader(QAccessibleEvent& event) {
    if (readerListener) readerListener(&event);
    QAccessible::updateAccessibility(&event);
}

QAccessibleInterface* BoardAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("lumeta::BoardPicture") && object && object->isWidgetType())
        return new BoardAccessible(static_cast<BoardPicture*>(object));
    return nullptr;
}

}  // namespace lumeta
