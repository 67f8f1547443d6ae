#include "board/undo_list.h"

#include <gtest/gtest.h>

#include "support/board_fixture.h"

namespace lumeta {
namespace {

using namespace lumeta::testing;

TEST(UndoRecordTest, WritesRowColumnAndOldEntryWithLeadingBlanks) {
    EXPECT_EQ(UndoRecord(3, 5, "4"), " 3, 5,4");
    EXPECT_EQ(UndoRecord(3, 5, ""), " 3, 5,");
    EXPECT_EQ(UndoRecord(12, 10, "6"), " 12, 10,6");
}

class UndoListTest : public ::testing::Test {
  protected:
    Board board = BuiltBoard(7);
    UndoList undo;
};

TEST_F(UndoListTest, TakesEntriesBackNewestFirst) {
    // "3", "3", "5" typed into one empty cell.
    for (const char* digit : {"3", "3", "5"}) {
        PushUndo(undo, board.puzzle, 3, 6);
        board.puzzle.Entry[3][6] = digit;
    }
    ASSERT_EQ(undo.size(), 3u);
    EXPECT_EQ(undo.records[0], " 3, 6,3");
    EXPECT_EQ(undo.records[2], " 3, 6,");

    ASSERT_TRUE(UndoLast(undo, board.puzzle));
    EXPECT_EQ(board.puzzle.Entry[3][6], "3");
    ASSERT_TRUE(UndoLast(undo, board.puzzle));
    EXPECT_EQ(board.puzzle.Entry[3][6], "3");
    ASSERT_TRUE(UndoLast(undo, board.puzzle));
    EXPECT_EQ(board.puzzle.Entry[3][6], "");
    EXPECT_FALSE(UndoLast(undo, board.puzzle));
}

TEST_F(UndoListTest, RestoresOnlyTheRecordedCell) {
    board.puzzle.Entry[4][7] = "2";
    PushUndo(undo, board.puzzle, 4, 7);
    board.puzzle.Entry[4][7] = "6";
    board.puzzle.Entry[4][6] = "1";  // changed without a record
    ASSERT_TRUE(UndoLast(undo, board.puzzle));
    EXPECT_EQ(board.puzzle.Entry[4][7], "2");
    EXPECT_EQ(board.puzzle.Entry[4][6], "1");
}

TEST_F(UndoListTest, DropsRecordsThatNameNoCellOfTheTables) {
    board.puzzle.Entry[2][3] = "4";
    for (const char* bad : {" 40, 3,1", " 2", "x, 3,1", " -1, 3,1", ""})
        undo.records.push_front(bad);
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(UndoLast(undo, board.puzzle));
    EXPECT_TRUE(undo.empty());
    EXPECT_EQ(board.puzzle.Entry[2][3], "4");
}

}  // namespace
}  // namespace lumeta
