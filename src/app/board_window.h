#pragma once

#include <QSize>

#include "controls/twips.h"
#include "view/board_geometry.h"

class QMainWindow;
class QWidget;

namespace lumeta {

class BoardPicture;
struct GameState;

// Where each control of the client area goes for a board picture of `picture` pixels: the
// places of the 7-hexagon window, the controls right of the file name and under the
// picture moving with the picture's right and bottom edges, the file name and the status
// line widening with it. Returns the client area's size.
QSize PlaceControls(QWidget& client, const TwipScale& scale, QSize picture);

// The picture's twips per pixel for a board of `extent`: the screen's own when the window
// fits in `room` (pixels for the whole window), else the least coarser one, the same in
// both directions, that fits. `chrome` is what the window needs besides the picture.
struct PictureScale {
    int x = 15;
    int y = 15;
    friend bool operator==(const PictureScale&, const PictureScale&) = default;
};
PictureScale FittingPictureScale(PictureExtent extent, PictureScale screen, QSize chrome,
                                 QSize room);

// Keeps the game window the size of its board: after every build of the board, whatever
// its size, the picture takes the board's extent, the drawing positions are prepared at the
// picture's scale, the controls move round it and the window fits it on its screen.
class BoardWindow {
  public:
    BoardWindow(QMainWindow& window, BoardPicture& picture, GameState& state);

    // The board as built, shown: to be called after every BuildBoard.
    void Fit();
    // True when the board was built again since the last Fit for another hexagon count
    // (a puzzle line of another size was loaded).
    bool BoardChanged() const;

  private:
    QMainWindow& window_;
    BoardPicture& picture_;
    GameState& state_;
    int fittedHexagons_ = 0;
};

}  // namespace lumeta
