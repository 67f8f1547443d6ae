#pragma once

#include <QWidget>
#include <vector>

#include "board/puzzle_state.h"
#include "generator/hint_finder.h"
#include "view/board_geometry.h"

namespace lumeta {

// Rings around the compartments "Check entries" found wrong, laid over the board picture.
// They stay until the board changes: the next entry, undo, load or creation.
class EntryMarks : public QWidget {
    Q_OBJECT

  public:
    // Covers `picture` and reads the puzzle and geometry it is shown with.
    EntryMarks(QWidget* picture, const PuzzleState& puzzle, const BoardGeometry& geometry);

    void Mark(std::vector<GridCell> cells);
    // The cells marked, or none once the board has changed since.
    const std::vector<GridCell>& Marked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    const PuzzleState& puzzle_;
    const BoardGeometry& geometry_;
    std::vector<GridCell> cells_;
    PuzzleState markedOn_;  // the board when the marks were made
};

}  // namespace lumeta
