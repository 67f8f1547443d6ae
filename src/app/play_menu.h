#pragma once

#include <QObject>
#include <functional>

class QAction;
class QMainWindow;
class QMenu;

namespace lumeta {

// What the game window does for the play commands.
struct PlayCommands {
    std::function<void()> verify;                         // a press and release of "!"
    std::function<void()> undo;                           // the undo button's left click
    std::function<void(bool shown)> showSolution;         // true shows the solution, false hides it
    std::function<void(int index, int button)> navigate;  // an arrow button's click
    std::function<void()> reset;
};

// The "Play" menu: every command of the window's buttons with a key, so the game is played
// without a pointer. Showing the solution lasts as long as its key is held, as with its
// button; chosen from the menu it shows for a moment.
class PlayMenu : public QObject {
    Q_OBJECT

  public:
    static constexpr int kShowFromMenuMs = 2000;

    PlayMenu(QMainWindow& window, PlayCommands commands);

    QMenu* menu = nullptr;
    QAction* verify = nullptr;
    QAction* undo = nullptr;
    QAction* showSolution = nullptr;
    QAction* previous = nullptr;
    QAction* next = nullptr;
    QAction* random = nullptr;
    QAction* first = nullptr;
    QAction* last = nullptr;
    QAction* reset = nullptr;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void SetShown(bool shown);

    QMainWindow& window_;
    PlayCommands commands_;
    bool shown_ = false;
};

}  // namespace lumeta
