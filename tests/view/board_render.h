#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>

#include "support/board_fixture.h"
#include "view/board_appearance.h"
#include "view/board_geometry.h"

namespace lumeta::testing {

// Colours far apart from each other and from their blends, so a pixel tells what it is.
inline constexpr std::uint32_t kTestBack = RGBValue(200, 200, 200);
inline constexpr std::uint32_t kTestBorder = RGBValue(0, 0, 255);
inline constexpr std::uint32_t kTestFill = RGBValue(255, 255, 0);
inline constexpr std::uint32_t kTestGrid = RGBValue(0, 160, 0);
inline constexpr std::uint32_t kTestFixed = RGBValue(255, 0, 0);
inline constexpr std::uint32_t kTestUser = RGBValue(160, 0, 160);

BoardAppearance TestAppearance();
QFont TestFont();  // 10-point Arial, the board's default

// The board drawn by DrawBoard on an image the size of the board picture.
QImage RenderBoard(const Board& board, const BoardAppearance& appearance, int twipsPerPixel,
                   int showSolution, double pixelRatio = 1.0);

// Pixels of `image` (in its logical pixels) within `range` of `colour` in every component.
int CountNear(const QImage& image, const QRect& area, std::uint32_t colour, int range = 40);
bool IsColour(const QImage& image, int x, int y, std::uint32_t colour, int range = 8);
// True when one pixel within `radius` of (x, y) is close to `colour`.
bool ColourAround(const QImage& image, int x, int y, std::uint32_t colour, int radius = 1,
                  int range = 60);

// The grid box (row, col) in pixels at the given twips per pixel.
QRect BoxPixels(const BoardGeometry& geometry, int row, int col, const BoardLayout& layout);

}  // namespace lumeta::testing
