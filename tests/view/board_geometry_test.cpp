#include "view/board_geometry.h"

#include <gtest/gtest.h>

#include <QFont>

#include "support/board_fixture.h"
#include "view/board_font.h"

namespace lumeta {
namespace {

using testing::BuiltBoard;

// A font whose digits are as wide as the table says, all 230 twips high.
TextExtent FixedWidths(std::array<double, 7> widths) {
    return [widths](std::string_view text) {
        const int digit = text.size() == 1 ? text[0] - '0' : 0;
        return TwipSize{digit >= 1 && digit <= 6 ? widths[digit] : 0.0, 230.0};
    };
}

BoardGeometry Prepared(int numHex, int twipsPerPixel, const TextExtent& measure = FixedWidths({})) {
    const auto board = BuiltBoard(numHex);
    BoardGeometry geometry;
    PrepareGeometry(geometry, board.layout, twipsPerPixel, twipsPerPixel, measure);
    return geometry;
}

TEST(Nearest, TakesHalvesToTheEvenNeighbour) {
    EXPECT_EQ(Nearest(72.5), 72);
    EXPECT_EQ(Nearest(73.5), 74);
    EXPECT_EQ(Nearest(0.5), 0);
    EXPECT_EQ(Nearest(-0.5), 0);
    EXPECT_EQ(Nearest(-1.5), -2);
    EXPECT_EQ(Nearest(-22.4667), -22);
    EXPECT_EQ(Nearest(60.6667), 61);
    EXPECT_EQ(Nearest(103.93), 104);
}

TEST(PrepareGeometry, PutsBoxOneOneAtTheOriginAndStepsByTheGridPitch) {
    const BoardGeometry g = Prepared(7, 15);
    EXPECT_EQ(g.OriginX, -100);
    EXPECT_EQ(g.OriginY, 120);
    EXPECT_EQ(g.CellX[1][1], -100);
    EXPECT_EQ(g.CellY[1][1], 120);
    // The origin box of hexagon 4 (row 3, column 5).
    EXPECT_EQ(g.CellX[3][5], 1796);
    EXPECT_EQ(g.CellY[3][5], 1700);
}

TEST(PrepareGeometry, FillsOneRowAndColumnPastTheGridAndNoFurther) {
    const BoardGeometry seven = Prepared(7, 15);
    EXPECT_EQ(seven.CellX[7][12], 11 * 474 - 100);
    EXPECT_EQ(seven.CellY[7][12], 6 * 790 + 120);
    EXPECT_EQ(seven.CellX[8][1], 0);
    EXPECT_EQ(seven.CellY[1][13], 0);

    const BoardGeometry nineteen = Prepared(19, 15);
    EXPECT_EQ(nineteen.CellX[11][18], 17 * 474 - 100);
    EXPECT_EQ(nineteen.CellY[11][18], 10 * 790 + 120);
}

TEST(PrepareGeometry, BuildsTheHexagonTemplateAtFifteenTwipsPerPixel) {
    const std::array<PixelPoint, 7> expected = {
        {{9, 8}, {-22, 61}, {9, 113}, {72, 113}, {104, 61}, {72, 8}, {9, 8}}};
    EXPECT_EQ(Prepared(7, 15).HexTemplate, expected);
}

TEST(PrepareGeometry, BuildsTheHexagonTemplateAtTwelveTwipsPerPixel) {
    const std::array<PixelPoint, 7> expected = {
        {{11, 10}, {-28, 76}, {11, 142}, {90, 142}, {130, 76}, {90, 10}, {11, 10}}};
    EXPECT_EQ(Prepared(7, 12).HexTemplate, expected);
}

TEST(PrepareGeometry, SizesTheMarkerFromTheColumnPitch) {
    const BoardGeometry g = Prepared(7, 15);
    EXPECT_DOUBLE_EQ(g.MarkerWidth, 237.0);
    EXPECT_DOUBLE_EQ(g.MarkerHeight, 118.5);
}

TEST(PrepareGeometry, CentresEachSideNumberInItsBoxRoundingHalvesToEven) {
    // (474 - 100) / 2 = 187; (474 - 101) / 2 = 186.5 -> 186; (474 - 103) / 2 = 185.5 -> 186;
    // (790 - 230) / 2 = 280.
    const BoardGeometry g = Prepared(7, 15, FixedWidths({0, 100, 101, 103, 150, 160, 170}));
    EXPECT_EQ(g.DigitDX[1], 187);
    EXPECT_EQ(g.DigitDX[2], 186);
    EXPECT_EQ(g.DigitDX[3], 186);
    EXPECT_EQ(g.DigitDX[4], 162);
    EXPECT_EQ(g.DigitDX[5], 157);
    EXPECT_EQ(g.DigitDX[6], 152);
    for (int side = 1; side <= 6; ++side)
        EXPECT_EQ(g.DigitDY[side], 280) << side;
}

TEST(PrepareGeometry, KeepsTheTwipsPerPixelItWasGiven) {
    const BoardGeometry g = Prepared(7, 12);
    EXPECT_EQ(g.TwipsPerPixelX, 12);
    EXPECT_EQ(g.TwipsPerPixelY, 12);
}

TEST(BoardTextExtent, MeasuresTheSameTwipsAtEitherScreenResolution) {
    QFont font("Arial");
    font.setPointSizeF(10);
    const TwipSize at15 = BoardTextExtent(font, 15, 15)("6");
    const TwipSize at12 = BoardTextExtent(font, 12, 12)("6");
    // A 10-point line is about 230 twips high and a digit about 110 wide, wherever drawn.
    EXPECT_NEAR(at15.height, 230, 30);
    EXPECT_NEAR(at12.height, 230, 30);
    EXPECT_NEAR(at15.width, 111, 25);
    EXPECT_NEAR(at12.width, at15.width, 15);
}

TEST(BoardTextExtent, GrowsWithTheFont) {
    QFont small("Arial");
    small.setPointSizeF(10);
    QFont large("Arial");
    large.setPointSizeF(20);
    EXPECT_GT(BoardTextExtent(large, 15, 15)("4").height,
              1.7 * BoardTextExtent(small, 15, 15)("4").height);
}

}  // namespace
}  // namespace lumeta
