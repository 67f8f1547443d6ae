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

TEST_F(SelectionLogicTest, StatusTextNamesHexagonAndSide) {
    EXPECT_EQ(PointerStatusText(7, 5), "Hex = 7, Cell= 5");
    EXPECT_EQ(PointerStatusText(19, 6), "Hex = 19, Cell= 6");
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
