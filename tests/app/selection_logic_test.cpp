#include <gtest/gtest.h>

#include "support/board_fixture.h"
#include "view/cursor_move.h"
#include "view/key_entry.h"
#include "view/pointer_hit.h"

namespace lumeta {
namespace {

using namespace lumeta::testing;

class SelectionLogicTest : public ::testing::Test {
  protected:
    SelectionLogicTest() {
        PrepareGeometry(geometry, board.layout, 15, 15, [](std::string_view) {
            return TwipSize{100, 200};
        });
    }

    // The middle of grid box (row, col), twips.
    double MidX(int col) const { return geometry.CellX[1][col] + board.layout.ColStep / 2.0; }
    double MidY(int row) const { return geometry.CellY[row][1] + board.layout.RowStep / 2.0; }

    Board board = BuiltBoard(7);
    BoardGeometry geometry;
};

TEST_F(SelectionLogicTest, FindsTheGridBoxByFlooringTheOffsetFromTheOrigin) {
    // Box (1, 1) starts at (-100, 120).
    EXPECT_EQ(GridBoxAt(board.layout, geometry, 0, 120).row, 1);
    EXPECT_EQ(GridBoxAt(board.layout, geometry, 0, 100).row, 0);  // above the grid: row 0
    EXPECT_EQ(GridBoxAt(board.layout, geometry, -150, 500).col, 0);
    EXPECT_EQ(GridBoxAt(board.layout, geometry, 2270, 1700).col, 6);  // left edge of (3, 6)
    EXPECT_EQ(GridBoxAt(board.layout, geometry, 2269.5, 1700).col, 5);
    EXPECT_EQ(GridBoxAt(board.layout, geometry, 2270, 1699.5).row, 2);
}

TEST_F(SelectionLogicTest, PointsAtAnOpenCellWithItsHexagonSideAndMarkerPlace) {
    // Hexagon 4, side 2: an upper cell, the marker three quarters down the box.
    const PointerTarget upper = FindPointerTarget(board.layout, geometry, MidX(6), MidY(3));
    ASSERT_EQ(upper.kind, PointerTarget::Kind::OpenCell);
    EXPECT_EQ(upper.row, 3);
    EXPECT_EQ(upper.col, 6);
    EXPECT_EQ(upper.hex, 4);
    EXPECT_EQ(upper.side, 2);
    EXPECT_DOUBLE_EQ(upper.markerLeft, 2270 + 118.5);
    EXPECT_DOUBLE_EQ(upper.markerTop, 1700 + 592.5);
    EXPECT_EQ(PointerStatusText(upper.hex, upper.side), "Hex = 4, Cell= 2");

    // Hexagon 4, side 5: a lower cell, the marker an eighth down the box.
    const PointerTarget lower = FindPointerTarget(board.layout, geometry, MidX(6), MidY(4));
    ASSERT_EQ(lower.kind, PointerTarget::Kind::OpenCell);
    EXPECT_EQ(lower.side, 5);
    EXPECT_DOUBLE_EQ(lower.markerTop, 2490 + 98.75);
}

TEST_F(SelectionLogicTest, TellsGivenCellsAndPlacesOffTheBoardApart) {
    EXPECT_EQ(FindPointerTarget(board.layout, geometry, MidX(6), MidY(1)).kind,
              PointerTarget::Kind::GivenCell);
    EXPECT_EQ(FindPointerTarget(board.layout, geometry, MidX(6), 60).kind,
              PointerTarget::Kind::OffBoard);  // the top 120 twips: row 0
    EXPECT_EQ(FindPointerTarget(board.layout, geometry, MidX(1), MidY(3)).kind,
              PointerTarget::Kind::OffBoard);
    EXPECT_EQ(FindPointerTarget(board.layout, geometry, -1e9, 1e9).kind,
              PointerTarget::Kind::OffBoard);
}

TEST_F(SelectionLogicTest, LetsTheGridBoxDecideAtAHexagonsPointedCorners) {
    // Hexagon 4's left corner reaches into box (3, 4), hexagon 2's side 4.
    const double cornerX = geometry.CellX[3][5] - 100;
    const PointerTarget corner = FindPointerTarget(board.layout, geometry, cornerX, MidY(3));
    ASSERT_EQ(corner.kind, PointerTarget::Kind::OpenCell);
    EXPECT_EQ(corner.hex, 2);
    EXPECT_EQ(corner.side, 4);
    // Hexagon 1's left corner lies in box (1, 4), which belongs to no hexagon.
    EXPECT_EQ(FindPointerTarget(board.layout, geometry, geometry.CellX[1][5] - 100, MidY(1)).kind,
              PointerTarget::Kind::OffBoard);
}

TEST_F(SelectionLogicTest, StatusTextNamesHexagonAndSide) {
    EXPECT_EQ(PointerStatusText(7, 5), "Hex = 7, Cell= 5");
    EXPECT_EQ(PointerStatusText(19, 6), "Hex = 19, Cell= 6");
}

TEST_F(SelectionLogicTest, MapsTheMovementKeys) {
    EXPECT_EQ(MovementDirection(35), "E");
    EXPECT_EQ(MovementDirection(36), "H");
    EXPECT_EQ(MovementDirection(37), "L");
    EXPECT_EQ(MovementDirection(38), "U");
    EXPECT_EQ(MovementDirection(39), "R");
    EXPECT_EQ(MovementDirection(40), "D");
    EXPECT_EQ(MovementDirection(13), "");
}

TEST_F(SelectionLogicTest, StepsIntoTheNextBoxEvenInTheNeighbouringHexagon) {
    // Hexagon 4, side 3 to the right: hexagon 3, side 6.
    const CursorPlace right = MoveCursor(board.layout, geometry, 3, 7, "R");
    ASSERT_TRUE(right.placed);
    EXPECT_EQ(right.row, 3);
    EXPECT_EQ(right.col, 8);
    EXPECT_DOUBLE_EQ(right.markerLeft, geometry.CellX[3][8] + 118.5);
    EXPECT_DOUBLE_EQ(right.markerTop, geometry.CellY[3][8] + 197.5);

    const CursorPlace down = MoveCursor(board.layout, geometry, 3, 6, "D");
    ASSERT_TRUE(down.placed);
    EXPECT_EQ(down.row, 4);
    // Upper and lower cells take the same marker height.
    EXPECT_DOUBLE_EQ(down.markerTop, geometry.CellY[4][6] + 197.5);
}

TEST_F(SelectionLogicTest, NeverStepsOntoAGivenCellOrAGap) {
    EXPECT_FALSE(MoveCursor(board.layout, geometry, 3, 9, "R").placed);  // hexagon 3, side 4
    EXPECT_FALSE(MoveCursor(board.layout, geometry, 2, 6, "U").placed);  // top of hexagon 1
    EXPECT_FALSE(MoveCursor(board.layout, geometry, 3, 3, "L").placed);  // hexagon 2, side 6
    EXPECT_FALSE(MoveCursor(board.layout, geometry, 5, 8, "D").placed);  // below: no hexagon
    EXPECT_FALSE(MoveCursor(board.layout, geometry, 0, 0, "R").placed);  // nothing selected
}

TEST_F(SelectionLogicTest, HomeEndAndUnknownDirectionsOnlyReplaceTheMarker) {
    for (const char* direction : {"H", "E", "X"}) {
        const CursorPlace place = MoveCursor(board.layout, geometry, 4, 7, direction);
        ASSERT_TRUE(place.placed) << direction;
        EXPECT_EQ(place.row, 4);
        EXPECT_EQ(place.col, 7);
        EXPECT_DOUBLE_EQ(place.markerTop, geometry.CellY[4][7] + 197.5);
    }
}

TEST_F(SelectionLogicTest, TypesDigitsClearsAndSwallowsOtherKeysOnTheSelectedCell) {
    UndoList undo;
    const Selection selected{3, 6};
    EXPECT_EQ(EnterKey(board.puzzle, undo, selected, '4'), KeyEntryResult::Entered);
    EXPECT_EQ(board.puzzle.Entry[3][6], "4");
    EXPECT_EQ(EnterKey(board.puzzle, undo, selected, '.'), KeyEntryResult::Cleared);
    EXPECT_EQ(board.puzzle.Entry[3][6], "");
    EXPECT_EQ(EnterKey(board.puzzle, undo, selected, 27), KeyEntryResult::Cleared);
    ASSERT_EQ(undo.size(), 3u);
    EXPECT_EQ(undo.records[0], " 3, 6,");
    EXPECT_EQ(undo.records[1], " 3, 6,4");

    for (int key : {int('0'), int('7'), int('a'), 8, int(' ')})
        EXPECT_EQ(EnterKey(board.puzzle, undo, selected, key), KeyEntryResult::Swallowed);
    EXPECT_EQ(undo.size(), 3u);
    EXPECT_EQ(EnterKey(board.puzzle, undo, Selection{}, '4'), KeyEntryResult::PassedOn);
    EXPECT_EQ(GridPicture(board.layout, board.puzzle.Entry).find_first_of("123456"),
              std::string::npos);
}

}  // namespace
}  // namespace lumeta
