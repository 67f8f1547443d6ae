#pragma once

#include <QObject>
#include <array>
#include <string>

#include "board/board_layout.h"
#include "puzzlefiles/puzzle_loader.h"

class QAction;
class QMenu;

namespace lumeta {

// The file that keeps the chosen size between runs, beside the configuration file (which
// stays as it is): the count as text on one line.
inline constexpr const char* kBoardSizeFileName = "lumeta-board.txt";

// The size a file names; 7 when it is missing, unreadable or names no board.
int ReadBoardSize(const std::string& path);
bool WriteBoardSize(const std::string& path, int hexagons);

// What the status line says of a loaded line whose length fits no board; empty otherwise.
std::string UnfittingLineNote(const LoadReport& report);

// "Board size" at the end of the "Puzzle" menu: one of 7, 10, 14 or 19 hexagons, the board
// Create and the graded creates make their puzzles on. A choice is kept at once in
// `folder` (none when the folder is empty).
class BoardSizeMenu : public QObject {
    Q_OBJECT

  public:
    BoardSizeMenu(QMenu& puzzleMenu, std::string folder, QObject* parent);

    int Hexagons() const { return hexagons_; }
    // Ticks the size and keeps it; another count than the four is not taken.
    void Choose(int hexagons);

    QMenu* menu = nullptr;
    std::array<QAction*, kBoardHexCounts.size()> mnuboardsize{};

  private:
    std::string path_;
    int hexagons_ = 7;
};

}  // namespace lumeta
