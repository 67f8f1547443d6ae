#pragma once

#include <QFont>
#include <QPalette>
#include <cstdint>

#include "board/board_layout.h"
#include "board/puzzle_state.h"
#include "view/board_appearance.h"
#include "view/board_geometry.h"

class QPainter;

namespace lumeta {

// Everything one drawing of the board reads. `font` is the picture's current font; system
// colours resolve through `palette`.
struct BoardScene {
    const BoardLayout& layout;
    const PuzzleState& puzzle;
    const BoardGeometry& geometry;
    const BoardAppearance& appearance;
    QFont font;
    QPalette palette = QPalette();
};

// Draws the whole board on `painter` in its logical pixels: clears the device to the
// background, draws every hexagon, then the digits. showSolution = 1 shows every solution
// digit; any other value the puzzle as played (givens and the player's entries).
void DrawBoard(QPainter& painter, const BoardScene& scene, int showSolution);

// Every hexagon of the board in order, later ones over earlier ones where outlines meet.
void DrawHexagons(QPainter& painter, const BoardScene& scene);

// One filled hexagon whose origin is grid box (row, col), with its three dividers.
void DrawHexagon(QPainter& painter, const BoardScene& scene, int row, int col,
                 std::uint32_t outlineColour);

}  // namespace lumeta
