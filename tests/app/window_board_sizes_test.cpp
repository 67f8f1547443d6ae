#include <fstream>
#include <sstream>

#include "app/board_size.h"
#include "app/board_window.h"
#include "app/play_menu.h"
#include "window_fixture.h"

namespace lumeta {
namespace {

using namespace lumeta::testing;

// Solutions of the three bigger boards, each solved by the generator's deduction from its
// outer sides.
const std::string kTen = "134145256162236124354542536126631642543246153432351621651435";
const std::string kFourteen =
    "213462546146236135235235265145246146146143136135235253435425246146126126153432534615";
const std::string kNineteen =
    "435516162562325234316143463164345245235215215216136146163436165245235245245243436146"
    "136613436125235245215256164413";

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class BoardSizesTest : public WindowTest {
  protected:
    std::string WriteLines(const std::string& name, const std::vector<std::string>& lines) {
        std::ofstream out(WorkFile(name), std::ios::binary);
        for (const std::string& line : lines)
            out << line << "\r\n";
        return WorkFile(name);
    }
    // The picture and the client area as a board of `rows` × `cols` grid boxes needs them
    // at 15 twips per pixel: the 7-hexagon window grown by a box per extra row and column.
    static QSize PictureFor(int rows, int cols) {
        return {RoundHalfEven((5085 + (cols - 11) * 474) / 15.0),
                RoundHalfEven((5025 + (rows - 6) * 790) / 15.0)};
    }
    void ExpectWindowFits(int rows, int cols) {
        const QSize picture = PictureFor(rows, cols);
        EXPECT_EQ(form->Picture1->size(), picture);
        const QSize grown = picture - QSize(339, 335);
        EXPECT_EQ(form->centralWidget()->size(), QSize(344, 390) + grown);
        // The controls keep their places to the picture's edges.
        EXPECT_EQ(form->cmdcreate->geometry(), QRect(322, 4, 21, 22).translated(grown.width(), 0));
        EXPECT_EQ(form->cmdundo->geometry(),
                  QRect(322, 366, 21, 22).translated(grown.width(), grown.height()));
        EXPECT_EQ(form->Statx->geometry(),
                  QRect(25, 366, 274 + grown.width(), 22).translated(0, grown.height()));
        EXPECT_EQ(form->cmdload->geometry(), QRect(2, 4, 21, 22));
    }
    std::vector<std::pair<int, int>> OpenCells() {
        std::vector<std::pair<int, int>> cells;
        for (int h = 1; h <= S().layout.HexTotal; ++h)
            for (int side = 1; side <= 6; ++side) {
                const int cell = S().layout.HexCell[h][side];
                const int row = S().layout.CellRow[cell], col = S().layout.CellCol[cell];
                if (S().puzzle.Shown[row][col] != 1) cells.emplace_back(row, col);
            }
        return cells;
    }
    void CtrlRight() { QTest::keyRelease(form->Picture1, Qt::Key_Right, Qt::ControlModifier); }
};

TEST_F(BoardSizesTest, EverySizeIsOpenedPlayedToAllDoneUndoneSavedWithItsViewAndOpenedAgain) {
    const std::string seven = PuzzleLineNo(1);
    // The 10-hexagon puzzle shows its first 30 compartments through a view field.
    const std::string tenView = kTen.substr(0, 30) + std::string(30, '.');
    const struct {
        int hexagons, rows, cols;
        std::string line;
    } cases[] = {{7, 6, 11, seven},
                 {10, 8, 11, kTen + " " + tenView},
                 {14, 8, 17, kFourteen},
                 {19, 10, 17, kNineteen}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hexagons);
        WriteConfig(WriteLines("board.txt", {c.line}), 1);
        fs::remove(WorkFile("saved.txt"));
        Start();
        ASSERT_EQ(S().layout.HexTotal, c.hexagons);
        EXPECT_EQ(PuzzleLineWithView(S().layout, S().puzzle), c.line);
        ExpectWindowFits(c.rows, c.cols);

        // The pointer, a digit and undo on the last hexagon's far compartment.
        const std::vector<std::pair<int, int>> open = OpenCells();
        const auto [lastRow, lastCol] = open.back();
        Enter(lastRow, lastCol, "7");  // not a digit of the puzzle: swallowed
        Enter(lastRow, lastCol, S().puzzle.Solution[lastRow][lastCol] == "1" ? "2" : "1");
        EXPECT_EQ(Selected(), std::pair(lastRow, lastCol));
        EXPECT_NE(Entry(lastRow, lastCol), "");
        form->playMenu->undo->trigger();
        EXPECT_EQ(Entry(lastRow, lastCol), "");

        // The keyboard alone fills every open compartment, Control+Right going to the next.
        S().selection.Clear();
        CtrlRight();
        for (const auto& [row, col] : open) {
            ASSERT_EQ(Selected(), std::pair(row, col));
            Type(Q(S().puzzle.Solution[row][col]));
            CtrlRight();
        }
        answers << "Ok";
        Click(form->cmdverify);
        EXPECT_EQ(Status(), "All Done ...");

        answers << Q(WorkFile("saved.txt"));
        form->mnusave->trigger();
        EXPECT_EQ(ReadAll(WorkFile("saved.txt")), c.line + "\r\n");
        answers << Q(WorkFile("board.txt"));  // back to a 7-hexagon board in between
        WriteLines("board.txt", {seven});
        form->mnuloadpuzfile->trigger();
        ASSERT_EQ(S().layout.HexTotal, 7);
        answers << Q(WorkFile("saved.txt"));
        form->mnuloadpuzfile->trigger();
        ASSERT_EQ(S().layout.HexTotal, c.hexagons);
        EXPECT_EQ(PuzzleLineWithView(S().layout, S().puzzle), c.line);
        ExpectWindowFits(c.rows, c.cols);
        texts.clear();
    }
}

TEST_F(BoardSizesTest, NavigatingAMixedFileRebuildsTheBoardAtEachSizeAndSaysWhenALineFitsNone) {
    const std::string seven = PuzzleLineNo(2).substr(0, 42);
    WriteConfig(WriteLines("mixed.txt", {seven, kNineteen, std::string(50, '3'), kTen}), 1);
    Start();
    ASSERT_EQ(S().layout.HexTotal, 7);
    const QSize sevenWindow = form->size();
    Enter(2, 5, "4");  // an entry and its undo record, which no other board may inherit
    ASSERT_FALSE(S().undo.empty());

    const struct {
        int hexagons, rows, cols;
        std::string solution;
        const char* note;
    } steps[] = {{19, 10, 17, kNineteen, ""},
                 {7, 6, 11, std::string(42, '3'), "Line of 50 characters fits no board"},
                 {10, 8, 11, kTen, ""},
                 {7, 6, 11, seven, ""}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.hexagons);
        form->playMenu->next->trigger();
        QTest::qWait(10);  // the note comes after the command's own status
        EXPECT_EQ(S().layout.HexTotal, step.hexagons);
        EXPECT_EQ(OnBoard(), step.solution);
        EXPECT_TRUE(S().undo.empty());
        EXPECT_EQ(Selected(), std::pair(0, 0));
        EXPECT_EQ(Status(), *step.note ? Q(step.note) : QString("Puzzle read"));
        ExpectWindowFits(step.rows, step.cols);
        // Every compartment of the board as built, and none of the last one, is drawn on.
        EXPECT_EQ(form->Picture1->Image().size(), PictureFor(step.rows, step.cols));
    }
    EXPECT_EQ(form->size(), sevenWindow);
}

TEST_F(BoardSizesTest, TheChosenBoardSizeIsKeptBesideTheConfigurationWhichStaysByteForByte) {
    WriteConfig("", 0);
    Start();
    ASSERT_TRUE(form->SaveOptions());
    const std::string config = ReadAll(ConfigPath());
    QMenu* sizes = form->findChild<QMenu*>("mnuboardsize");
    ASSERT_NE(sizes, nullptr);
    EXPECT_EQ(Entries(sizes),
              QStringList({"7 hexagons", "10 hexagons", "14 hexagons", "19 hexagons"}));
    EXPECT_EQ(form->boardSizeMenu->Hexagons(), 7);
    form->findChild<QAction*>("mnuboardsize10")->trigger();
    EXPECT_EQ(ReadAll(AppDir() + kBoardSizeFileName), "10\r\n");
    ASSERT_TRUE(form->SaveOptions());
    EXPECT_EQ(ReadAll(ConfigPath()), config);

    Start();  // another run
    EXPECT_TRUE(form->findChild<QAction*>("mnuboardsize10")->isChecked());
    EXPECT_FALSE(form->findChild<QAction*>("mnuboardsize7")->isChecked());
    form->CreateCommand();
    EXPECT_EQ(Status(), "Puzzle created ...");
    EXPECT_EQ(S().layout.HexTotal, 10);
    ExpectWindowFits(8, 11);
    const std::string created = ReadAll(form->TempPuzzlePath());
    EXPECT_EQ(BoardHexagonsForLine(created.substr(0, created.find('\r'))), 10);

    // A file naming no board size, or none at all, leaves the 7-hexagon board.
    for (const char* kept : {"12\r\n", "x", ""}) {
        std::ofstream(AppDir() + kBoardSizeFileName, std::ios::binary) << kept;
        EXPECT_EQ(ReadBoardSize(AppDir() + kBoardSizeFileName), 7) << kept;
    }
    EXPECT_EQ(ReadBoardSize(AppDir() + "missing.txt"), 7);
}

TEST(BoardWindowScale, ABoardTooLargeForTheScreenIsDrawnAtTheFinestScaleThatFits) {
    const PictureExtent nineteen{7929, 8185};
    const QSize chrome(5, 100);
    const struct {
        QSize room;
        PictureScale want;
    } cases[] = {{{1280, 1024}, {15, 15}},  // fits as it is
                 {{800, 600}, {17, 17}},    // 8185 / 17 = 481 + 100 fits in 600; at 16 it would not
                 {{1280, 300}, {41, 41}},
                 {{100, 100}, {60, 60}}};  // a quarter of its size at the least
    for (const auto& c : cases)
        EXPECT_EQ(FittingPictureScale(nineteen, {15, 15}, chrome, c.room), c.want)
            << c.room.width() << "x" << c.room.height();
    EXPECT_EQ(FittingPictureScale(nineteen, {12, 15}, chrome, {800, 600}), (PictureScale{14, 18}));
}

}  // namespace
}  // namespace lumeta
