#include "app/play_menu.h"
#include "window_fixture.h"

namespace lumeta {
namespace {

using namespace lumeta::testing;

class BoardSizesTest : public WindowTest {
  protected:
    // The picture takes the board (a grid box more per row and column past the 7-hexagon
    // grid); the controls right of it and under it keep their places to its edges.
    void ExpectWindowFits(QSize picture) {
        const QSize grown = picture - QSize(339, 335);
        EXPECT_EQ(form->Picture1->size(), picture);
        EXPECT_EQ(form->Picture1->Image().size(), picture);
        EXPECT_EQ(form->cmdundo->pos(), QPoint(322 + grown.width(), 366 + grown.height()));
        EXPECT_EQ(form->Statx->geometry(),
                  QRect(25, 366 + grown.height(), 274 + grown.width(), 22));
    }
};

TEST_F(BoardSizesTest, EachSizeOfAMixedFileIsBuiltWhenReachedPlayedUndoneSavedAndOpenedAgain) {
    // Digits need not make puzzles here: the window checks entries against the solution.
    const auto digits = [](int hexagons) {
        return QString("162534").repeated(hexagons).toStdString();
    };
    const std::vector<std::tuple<int, QSize, std::string>> boards = {
        {7, {339, 335}, PuzzleLineNo(1)},
        {10, {339, 440}, digits(10) + " " + digits(5) + std::string(30, '.')},  // a view field
        {14, {529, 440}, digits(14)},
        {19, {529, 546}, digits(19)},
        {7, {339, 335}, std::string(50, '3')}};  // fits no board: read as far as 7 go
    std::string lines;
    for (const auto& board : boards)
        lines += std::get<2>(board) + "\r\n";
    std::ofstream(WorkFile("mixed.txt"), std::ios::binary) << lines;
    WriteConfig(WorkFile("mixed.txt"), 1);
    Start();
    const QSize sevenWindow = form->size();
    for (const auto& [hexagons, picture, line] : boards) {
        SCOPED_TRACE(hexagons);
        ASSERT_EQ(S().layout.HexTotal, hexagons);
        ExpectWindowFits(picture);
        EXPECT_TRUE(S().undo.empty());
        // Control+Right and a digit for every open compartment, then one wrong digit undone.
        const auto solution = [this] {
            return Q(S().puzzle.Solution[Selected().first][Selected().second]);
        };
        while (QTest::keyRelease(form->Picture1, Qt::Key_Right, Qt::ControlModifier),
               Entry(Selected().first, Selected().second).empty())
            Type(solution());
        Type(solution() == "1" ? "2" : "1");
        Click(form->cmdverify);
        EXPECT_EQ(Status(), "Not done yet");
        form->playMenu->undo->trigger();
        answers << "Ok";
        Click(form->cmdverify);
        EXPECT_EQ(Status(), "All Done ...");
        answers << Q(WorkFile("saved.txt"));
        form->mnusave->trigger();
        form->playMenu->next->trigger();
        QTest::qWait(10);  // a line fitting no board is told after "Puzzle read"
        EXPECT_EQ(Status(), hexagons == 19 ? "Line of 50 characters fits no board" : "Puzzle read");
    }
    EXPECT_EQ(form->size(), sevenWindow);
    lines.replace(lines.find(std::string(50, '3')), 50, std::string(42, '3'));
    EXPECT_EQ(ReadBytes(WorkFile("saved.txt")), lines);
    form->OpenPuzzleFileNamed(WorkFile("saved.txt"));
    form->playMenu->last->trigger();
    form->playMenu->previous->trigger();
    EXPECT_EQ(PuzzleLineWithView(S().layout, S().puzzle), std::get<2>(boards[3]));
    ExpectWindowFits({529, 546});
}

}  // namespace
}  // namespace lumeta
