#pragma once

#include <QObject>

class QAction;
class QLabel;
class QMenu;

namespace lumeta {

class Form1;
class EntryMarks;

// The "Help me" menu after the window's own menus: a hint, a check of the entries and
// creating a puzzle of a chosen grade; and the grade of the puzzle on the board, shown at
// the right end of the menu bar.
class HelpMeMenu : public QObject {
    Q_OBJECT

  public:
    explicit HelpMeMenu(Form1& form);

    // Selects a compartment and says on the status line what to do there.
    void HintCommand();
    // Rings every wrong entry, or says there are none.
    void CheckEntriesCommand();
    // Shows the grade of the puzzle now on the board.
    void ShowGrade();

    QMenu* menu = nullptr;
    QAction* mnuhint = nullptr;
    QAction* mnucheckentries = nullptr;
    QLabel* gradeLabel = nullptr;
    EntryMarks* marks = nullptr;

  private:
    void Select(int row, int col);

    Form1& form_;
};

}  // namespace lumeta
