#pragma once

#include <array>
#include <functional>
#include <string_view>

#include "board/board_layout.h"

namespace lumeta {

struct PixelPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// Width and height of a text in twips, measured in the board picture's font.
struct TwipSize {
    double width = 0;
    double height = 0;
};
using TextExtent = std::function<TwipSize(std::string_view text)>;

// Where things go on the board picture. Positions are twips from the picture's top-left
// corner except the hexagon outline, which is in pixels. Written only by PrepareGeometry.
struct BoardGeometry {
    int TwipsPerPixelX = 15;
    int TwipsPerPixelY = 15;
    int OriginX = 0;  // drawing position of grid box (1, 1)
    int OriginY = 0;
    GridTable<int> CellX{};  // top-left corner of grid box (row, col)
    GridTable<int> CellY{};
    // Outline of a hexagon whose origin is grid box (1, 1); point 6 repeats point 0.
    std::array<PixelPoint, 7> HexTemplate{};
    std::array<int, 7> DigitDX{};  // offset of a digit in its grid box, by side 1..6
    std::array<int, 7> DigitDY{};
    double MarkerWidth = 0;  // the selection marker, twips
    double MarkerHeight = 0;
};

// The board picture's size in twips for the board as built: room for the 7-hexagon board
// (5085 × 5025), and one grid box more for every column and row a larger grid has.
struct PictureExtent {
    int width = 5085;
    int height = 5025;
    friend bool operator==(const PictureExtent&, const PictureExtent&) = default;
};
PictureExtent BoardPictureExtent(const BoardLayout& layout);

// Drawing positions for the board as built, at the given twips per pixel, with digit
// offsets measured in the picture's font as it is now. A later font change keeps these
// offsets until the board is built again.
void PrepareGeometry(BoardGeometry& geometry, const BoardLayout& layout, int twipsPerPixelX,
                     int twipsPerPixelY, const TextExtent& measure);

}  // namespace lumeta
