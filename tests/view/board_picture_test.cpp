#include "view/board_picture.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QSignalSpy>
#include <QTest>

#include "board_render.h"
#include "puzzlefiles/puzzle_loader.h"
#include "view/board_font.h"

namespace lumeta {
namespace {

using namespace lumeta::testing;

class BoardPictureTest : public ::testing::Test {
  protected:
    void SetUp() override {
        picture.SetTwipsPerPixel(15, 15);
        PrepareGeometry(geometry, board.layout, picture);
        PlacePuzzleLine(board.layout, board.puzzle, kSampleLine);
    }

    void Draw(int showSolution = 0) {
        picture.DrawBoard(board.layout, board.puzzle, geometry, appearance, showSolution);
    }

    QImage OnScreen() { return picture.grab().toImage(); }

    QRect Box(int row, int col) const { return BoxPixels(geometry, row, col, board.layout); }

    Board board = BuiltBoard(7);
    BoardGeometry geometry;
    BoardAppearance appearance = TestAppearance();
    BoardPicture picture;
};

TEST_F(BoardPictureTest, TakesTheBoardPictureSizeAtEitherScale) {
    EXPECT_EQ(picture.size(), QSize(339, 335));
    picture.SetTwipsPerPixel(12, 12);
    EXPECT_EQ(picture.size(), QSize(424, 419));
}

TEST_F(BoardPictureTest, MeasuresDigitOffsetsInItsOwnFont) {
    QFont large = picture.font();
    large.setPointSize(30);
    picture.setFont(large);
    BoardGeometry largeGeometry;
    PrepareGeometry(largeGeometry, board.layout, picture);
    EXPECT_LT(largeGeometry.DigitDX[4], geometry.DigitDX[4] - 50);
    EXPECT_LT(largeGeometry.DigitDY[4], geometry.DigitDY[4] - 100);
}

TEST_F(BoardPictureTest, ShowsWhatDrawBoardDrew) {
    Draw();
    picture.show();
    const QImage screen = OnScreen();
    EXPECT_GT(CountNear(screen, Box(1, 6), kTestFixed), 3);
    EXPECT_TRUE(IsColour(screen, 160, 7, kTestBorder));
    EXPECT_TRUE(IsColour(screen, 2, 2, kTestBack));
}

TEST_F(BoardPictureTest, KeepsItsPictureUntilTheNextDrawBoard) {
    Draw();
    picture.show();
    const QImage before = OnScreen();

    // The state changes, the window is hidden and shown and repainted: no redraw of the board.
    board.puzzle.Entry[3][6] = "5";
    appearance.HexFillColour = RGBValue(0, 255, 255);
    picture.hide();
    picture.show();
    picture.repaint();
    EXPECT_EQ(OnScreen(), before);

    Draw();
    const QImage after = OnScreen();
    EXPECT_GT(CountNear(after, Box(3, 6), kTestUser), 3);
    EXPECT_TRUE(IsColour(after, 140, 20, RGBValue(0, 255, 255)));
}

TEST_F(BoardPictureTest, ShowsTheBackgroundBeforeAnythingIsDrawn) {
    picture.show();
    const QImage screen = OnScreen();
    EXPECT_EQ(CountNear(screen, screen.rect(), kTestBorder), 0);
    EXPECT_EQ(screen.pixelColor(100, 100), screen.pixelColor(2, 2));
}

TEST_F(BoardPictureTest, KeepsTheImageAtTheWidgetsPixelRatio) {
    Draw();
    const qreal ratio = picture.devicePixelRatioF();
    EXPECT_EQ(picture.Image().devicePixelRatio(), ratio);
    EXPECT_EQ(picture.Image().size(), picture.size() * ratio);
}

TEST_F(BoardPictureTest, SizesTheMarkerAndKeepsItHiddenAtFirst) {
    EXPECT_FALSE(picture.MarkerVisible());
    EXPECT_DOUBLE_EQ(picture.MarkerRectTwips().width(), 237.0);
    EXPECT_DOUBLE_EQ(picture.MarkerRectTwips().height(), 118.5);
}

TEST_F(BoardPictureTest, ShowsTheMarkerOverTheBoardWithoutDrawingItIntoTheImage) {
    Draw();
    picture.SetMarkerColour(RGBValue(0, 0, 0));
    // Over row 3, column 5 (hexagon 4, side 1): (1796 + 118.5, 1700 + 592.5) twips.
    picture.MoveMarker(1796 + 118.5, 1700 + 592.5);
    picture.ShowMarker();
    picture.show();
    EXPECT_EQ(picture.MarkerRectPixels(), QRect(128, 153, 16, 8));
    const QImage screen = OnScreen();
    EXPECT_EQ(CountNear(screen, QRect(128, 153, 16, 8), RGBValue(0, 0, 0), 0), 16 * 8);
    EXPECT_TRUE(IsColour(screen, 127, 157, kTestFill));
    EXPECT_TRUE(IsColour(screen, 144, 157, kTestFill));
    EXPECT_EQ(CountNear(picture.Image(), QRect(128, 153, 16, 8), RGBValue(0, 0, 0), 0), 0);

    // A redraw of the board leaves the marker where it is.
    Draw();
    EXPECT_TRUE(picture.MarkerVisible());
    EXPECT_EQ(CountNear(OnScreen(), QRect(128, 153, 16, 8), RGBValue(0, 0, 0), 0), 16 * 8);

    picture.HideMarker();
    EXPECT_FALSE(picture.MarkerVisible());
    EXPECT_EQ(CountNear(OnScreen(), QRect(128, 153, 16, 8), RGBValue(0, 0, 0), 0), 0);
}

TEST_F(BoardPictureTest, ReportsPointerMotionInTwips) {
    picture.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&picture));
    QSignalSpy moves(&picture, &BoardPicture::MouseMove);
    QTest::mouseMove(&picture, QPoint(100, 40));
    ASSERT_GE(moves.count(), 1);
    const QList<QVariant> last = moves.takeLast();
    EXPECT_EQ(last.at(0).toInt(), 0);
    EXPECT_DOUBLE_EQ(last.at(2).toDouble(), 1500.0);
    EXPECT_DOUBLE_EQ(last.at(3).toDouble(), 600.0);
}

// Draws puzzle 1 of the shipped file the way the game shows it and leaves PNGs in the
// build folder for a look by eye.
TEST(BoardPictureOfTheShippedPuzzle, ShowsPuzzleOneWithItsGivenDigits) {
    Board board = BuiltBoard(7);
    CurrentPuzzle current;
    const std::string file = std::string(LUMETA_DATA_DIR) + "/puzzles.txt";
    current.PuzzleCount = CountPuzzles(file);
    int n = 1;
    int err = 0;
    const LoadReport report = LoadPuzzle(board.layout, board.puzzle, current, file, n, err);
    ASSERT_TRUE(report.loaded()) << report.message;

    BoardAppearance appearance;
    appearance.BackColour = RGBValue(236, 233, 216);  // a typical scheme window colour
    board.puzzle.Entry[3][6] = "2";
    board.puzzle.Entry[3][7] = "4";
    BoardPicture picture;
    picture.SetTwipsPerPixel(15, 15);
    BoardGeometry geometry;
    PrepareGeometry(geometry, board.layout, picture);
    picture.DrawBoard(board.layout, board.puzzle, geometry, appearance, 0);
    picture.MoveMarker(2270 + 118.5, 1700 + 592.5);  // under the entry "2"
    picture.ShowMarker();

    const QImage shown = picture.grab().toImage();
    EXPECT_GT(CountNear(shown, BoxPixels(geometry, 1, 6, board.layout), appearance.FixedColour), 3);
    EXPECT_GT(CountNear(shown, BoxPixels(geometry, 3, 6, board.layout), appearance.UserColour, 30),
              3);

    const QString dir = QString::fromUtf8(LUMETA_BIN_DIR) + "/..";
    EXPECT_TRUE(shown.save(dir + "/board_puzzle1.png"));
    EXPECT_TRUE(
        RenderBoard(board, appearance, 15, 1, 2.0).save(dir + "/board_puzzle1_solution@2x.png"));
}

}  // namespace
}  // namespace lumeta
