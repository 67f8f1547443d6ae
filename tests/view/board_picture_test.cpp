#include <gtest/gtest.h>

#include "board_render.h"

namespace lumeta {
namespace {

using namespace lumeta::testing;

// The picture at 15 twips per pixel with the sample puzzle, in the test colours.
class BoardPictureTest : public ::testing::Test {
  protected:
    BoardPictureTest() {
        PlacePuzzleLine(board.layout, board.puzzle, kSampleLine);
        picture.SetTwipsPerPixel(15, 15);
        PrepareGeometry(geometry, board.layout, picture);
    }
    QImage Draw() {  // what the screen shows after a DrawBoard
        picture.DrawBoard(board.layout, board.puzzle, geometry, appearance, 0);
        return OnScreen();
    }
    QImage OnScreen() { return picture.grab().toImage(); }
    QRect Box(int row, int col) const { return BoxPixels(geometry, row, col, board.layout); }

    Board board = BuiltBoard(7);
    BoardGeometry geometry;
    BoardAppearance appearance = TestAppearance();
    BoardPicture picture;
};

TEST_F(BoardPictureTest, MeasuresDigitOffsetsInItsOwnFont) {
    picture.setFont(BoardFont({.BoardFontSize = 30}));
    BoardGeometry largeGeometry;
    PrepareGeometry(largeGeometry, board.layout, picture);
    EXPECT_LT(largeGeometry.DigitDX[4], geometry.DigitDX[4] - 50);
    EXPECT_LT(largeGeometry.DigitDY[4], geometry.DigitDY[4] - 100);
}

TEST_F(BoardPictureTest, ShowsWhatDrawBoardDrewUntilTheNextDrawBoard) {
    picture.show();
    const QColor face = ColourFromValue(kSystemColourBit | 15u, picture.palette());  // button face
    EXPECT_EQ(CountNear(OnScreen(), picture.rect(), ValueFromColour(face), 0), 339 * 335);

    const QImage drawn = Draw();
    EXPECT_GT(CountNear(drawn, Box(1, 6), kTestFixed), 3);
    EXPECT_EQ(Strip(drawn, 160, 6, 4, kDown) + Strip(drawn, 2, 2, 1), ".##f.");
    // The state changes, the window is hidden, shown and repainted: no redraw of the board.
    board.puzzle.Entry[3][6] = "5";
    appearance.HexFillColour = RGBValue(0, 255, 255);
    appearance.BackColour = kSystemColourBit | 15u;
    picture.hide();
    picture.show();
    picture.repaint();
    EXPECT_EQ(OnScreen(), drawn);

    const QImage redrawn = Draw();
    EXPECT_GT(CountNear(redrawn, Box(3, 6), kTestUser), 3);
    EXPECT_EQ(redrawn.pixelColor(140, 20), QColor(0, 255, 255));
    EXPECT_EQ(redrawn.pixelColor(2, 2), face);
}

TEST_F(BoardPictureTest, SizesTheMarkerAndShowsItOverTheBoardWithoutDrawingItIntoTheImage) {
    EXPECT_FALSE(picture.MarkerVisible());
    Draw();
    picture.SetMarkerColour(kTestBorder);
    picture.MoveMarker(1796 + 118.5, 1700 + 592.5);  // over row 3, column 5: hexagon 4, side 1
    picture.ShowMarker();
    const QRect marker(128, 153, 16, 8);
    EXPECT_EQ(picture.MarkerRectPixels(), marker);
    EXPECT_EQ(Strip(OnScreen(), 127, 157, 18), "f" + std::string(16, '#') + "f");
    EXPECT_EQ(CountNear(Draw(), marker, kTestBorder, 0), 16 * 8);  // it stays over a redraw
    EXPECT_EQ(CountNear(picture.Image(), marker, kTestBorder, 0), 0);
    picture.HideMarker();
    EXPECT_EQ(CountNear(OnScreen(), marker, kTestBorder, 0), 0);
}

}  // namespace
}  // namespace lumeta
