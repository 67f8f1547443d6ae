#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QPicture>
#include <QXmlStreamReader>
#include <algorithm>
#include <array>

#include "output/clipboard_copy.h"
#include "output/print_target.h"
#include "output/puzzle_page.h"
#include "output/range_pages.h"
#include "output/recording_surface.h"
#include "support/board_fixture.h"

namespace lumeta {
namespace {

using namespace lumeta::testing;
using Kind = DrawnItem::Kind;

constexpr std::uint32_t kDarkGrey = 0x808080;

// Texts 60 twips wide per character and 20 per point high, so positions are easy to follow.
TextMetrics FixedMeasure(const std::string&, bool, double points, std::string_view text) {
    return {60.0 * static_cast<double>(text.size()), 20 * points, 16 * points};
}

// One page, kept as the drawing commands that made it.
class PicturePage : public PrintTarget {
  public:
    bool Begin(QPainter& painter) override { return painter.begin(&page); }
    bool NewPage() override { return false; }
    bool Finish(QPainter& painter) override { return painter.end(); }
    QString Problem() const override { return {}; }
    QPicture page;
};

class PrintedBlock : public ::testing::Test {
  protected:
    PrintedBlock() { PlacePuzzleLine(board.layout, board.puzzle, kSampleLine); }

    std::vector<DrawnItem> Draw(int x, int y, int solutionFlag) {
        RecordingSurface surface(FixedMeasure);
        PuzzleSheet sheet{board.layout, board.puzzle, appearance, "Lumeta", 3, "/p/file.txt"};
        PrintPuzzlePage(surface, sheet, x, y, solutionFlag);
        return surface.Items();
    }
    static std::vector<DrawnItem> Only(const std::vector<DrawnItem>& items, Kind kind,
                                       std::uint32_t colour = 0) {
        std::vector<DrawnItem> chosen;
        for (const DrawnItem& item : items)
            if (item.kind == kind && (kind == Kind::Text || item.colour == colour))
                chosen.push_back(item);
        return chosen;
    }
    // Left, top, right and bottom of the lines.
    using Extent = std::array<double, 4>;
    static Extent ExtentOf(const std::vector<DrawnItem>& lines) {
        Extent e{1e9, 1e9, -1e9, -1e9};
        for (const DrawnItem& l : lines)
            e = {std::min({e[0], l.x1, l.x2}), std::min({e[1], l.y1, l.y2}),
                 std::max({e[2], l.x1, l.x2}), std::max({e[3], l.y1, l.y2})};
        return e;
    }
    // How many digits stand in the boxes of C × R twips from (x, y) that hold them on the
    // board; any digit elsewhere, or not the cell's, fails.
    int DigitsInTheirBoxes(const std::vector<DrawnItem>& texts, int x, int y, int C, int R,
                           bool givenOnly) {
        int count = 0;
        for (const DrawnItem& text : texts) {
            if (text.text.size() != 1) continue;
            const int col = static_cast<int>((text.x1 - x) / C) + 1;
            const int row = static_cast<int>((text.y1 - y) / R) + 1;
            EXPECT_EQ(board.puzzle.Solution[row][col], text.text) << row << ", " << col;
            if (givenOnly) {
                EXPECT_EQ(board.layout.Given[row][col], 1) << row << ", " << col;
            }
            ++count;
        }
        return count;
    }

    Board board = BuiltBoard(7);
    BoardAppearance appearance;
};

TEST_F(PrintedBlock, APuzzleBlockHasItsHeaderWideOutlinesAndOnlyTheGivenDigits) {
    appearance.BorderWidth = 3;
    board.puzzle.Entry[3][6] = "4";  // entries never reach paper
    const auto items = Draw(1600, 1200, 0);

    const auto outline = Only(items, Kind::Line, 0);
    ASSERT_EQ(outline.size(), 7u * 6);
    EXPECT_EQ(ExtentOf(outline), (Extent{1950, 1200, 8950, 8202}));
    for (std::size_t i = 0; i < outline.size(); ++i) {
        EXPECT_EQ(outline[i].drawWidth, 6);
        // One closed polyline per hexagon, starting at its upper left corner.
        EXPECT_EQ(outline[i].continued, i % 6 != 0);
        EXPECT_TRUE(i % 6 != 5 ||
                    (outline[i].x2 == outline[i - 5].x1 && outline[i].y2 == outline[i - 5].y1))
            << i;
    }
    const auto dividers = Only(items, Kind::Line, kDarkGrey);
    ASSERT_EQ(dividers.size(), 7u * 3);
    EXPECT_TRUE(std::ranges::all_of(dividers, [](const DrawnItem& d) { return d.drawWidth == 1; }));

    const auto texts = Only(items, Kind::Text);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0].text, "Lumeta Puzzle ... - Puz#3:/p/file.txt");
    EXPECT_EQ(texts[0].fontSize, 7);
    // The 18 outer sides, at the board's font size.
    EXPECT_EQ(DigitsInTheirBoxes(texts, 1600, 1200, 700, 1167, true), 18);
    EXPECT_EQ(texts.size(), 19u);
    // The top hexagon (origin 4400, 1200)'s side 1 is centred by true division in its box.
    EXPECT_EQ(std::pair(texts[1].x1, texts[1].y1), std::pair(4400 + 320.0, 1200 + 483.5));
    EXPECT_EQ(texts[1].fontSize, 10);
}

TEST_F(PrintedBlock, ASolutionBlockIsReducedThinAndCompleteWithoutHeaderAndGivesTheStepsBack) {
    appearance.BorderWidth = 3;
    board.puzzle.Solution[2][2] = "";  // an empty solution cell prints nothing
    const auto items = Draw(1600, 12000, 1);

    const auto outline = Only(items, Kind::Line, 0);
    // With C = 215 each X0 + C / 2 ends in .5 and goes to the even neighbour.
    EXPECT_EQ(ExtentOf(outline), (Extent{1707, 12000, 3857, 14154}));
    EXPECT_TRUE(std::ranges::all_of(items, [](const DrawnItem& d) { return d.drawWidth == 1; }));
    const auto texts = Only(items, Kind::Text);
    EXPECT_EQ(texts.size(), 41u);
    EXPECT_EQ(DigitsInTheirBoxes(texts, 1600, 12000, 215, 359, false), 41);
    EXPECT_TRUE(std::ranges::all_of(texts, [](const DrawnItem& t) { return t.fontSize == 4; }));
    EXPECT_EQ(std::pair(board.layout.ColStep, board.layout.RowStep), std::pair(474, 790));
}

TEST(ClipboardCopy, TheSolutionCopyShowsEveryDigitLeavesTheCluesAndOffersAVectorPicture) {
    Board board = BuiltBoard(7);
    PlacePuzzleLine(board.layout, board.puzzle, kSampleLine);
    const BoardAppearance appearance;
    PuzzleSheet sheet{board.layout, board.puzzle, appearance, "Lumeta", 1, "/p/x.txt"};

    const auto texts = [](const QByteArray& svg) {
        QXmlStreamReader xml(svg);
        QStringList found;
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"text")
                found << xml.readElementText();
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
        return found;
    };
    for (const auto& [solution, digits] : {std::pair(false, 18), std::pair(true, 42)}) {
        (solution ? CopySolutionToClipboard : CopyBoardToClipboard)(sheet, 15, 15);
        const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
        ASSERT_TRUE(copied && copied->hasImage());
        const QStringList shown = texts(copied->data("image/svg+xml"));
        ASSERT_EQ(shown.size(), digits + 1) << solution;
        EXPECT_EQ(shown[0], "Lumeta Puzzle ... - Puz#1:/p/x.txt");
    }
}

TEST(BigBoardOutput, ABigBoardIsPrintedWithinItsPageAndItsClipboardPictureHoldsItWhole) {
    const BoardAppearance appearance;
    const std::string title = "Lumeta";
    // Clipboard pictures at 15 twips per pixel tall enough for the 19's last row; on paper the
    // wider grids are scaled to the room right of x = 1600 that A4 and Letter leave.
    const std::tuple<int, QSize, double> boards[] = {
        {10, {531, 682}, 8950}, {14, {796, 682}, 10700}, {19, {796, 838}, 10700}};
    for (const auto& [hexagons, size, right] : boards) {
        Board board = BuiltBoard(hexagons);
        PlacePuzzleLine(board.layout, board.puzzle, std::string(6 * hexagons, '4'));
        PuzzleSheet sheet{board.layout, board.puzzle, appearance, title, 1, "/p/f.txt"};
        EXPECT_EQ(PuzzlePictures(sheet, 15, 15).image.size(), size) << hexagons;
        CurrentPuzzle current{"/p/f.txt", 1, 1};
        PrintedGame game{board.layout, board.puzzle, current, appearance, title};
        PicturePage target;
        ASSERT_TRUE(PrintCurrentPage(target, game).ok);
        const double twips = 1440.0 / target.page.logicalDpiX();
        const QRectF drawn = QRectF(target.page.boundingRect()).adjusted(1, 1, -1, -1);
        EXPECT_NEAR(drawn.right() * twips, right, 60) << hexagons;
        EXPECT_LE(drawn.bottom() * twips, 14960) << hexagons;
    }
}

}  // namespace
}  // namespace lumeta
