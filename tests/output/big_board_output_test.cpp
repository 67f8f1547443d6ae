#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <fstream>

#include "controls/twips.h"
#include "output/clipboard_copy.h"
#include "output/print_target.h"
#include "output/range_pages.h"
#include "support/board_fixture.h"
#include "support/temp_dir.h"

namespace lumeta {
namespace {

using namespace lumeta::testing;

const std::string kNineteen =
    "435516162562325234316143463164345245235215215216136146163436165245235245245243436146"
    "136613436125235245215256164413";

// A4 pages as images at 72 dpi: one pixel is 20 twips.
constexpr int kTwipsPerPagePixel = 20;
class ImagePages : public PrintTarget {
  public:
    bool Begin(QPainter& painter) override {
        painter_ = &painter;
        page_.setDotsPerMeterX(RoundHalfEven(72 / 0.0254));
        page_.setDotsPerMeterY(RoundHalfEven(72 / 0.0254));
        page_.fill(Qt::white);
        return painter.begin(&page_);
    }
    // One device for every page, as a printer is: the page drawn is kept and wiped.
    bool NewPage() override {
        pages.push_back(page_.copy());
        const QTransform transform = painter_->transform();
        painter_->resetTransform();
        painter_->fillRect(page_.rect(), Qt::white);
        painter_->setTransform(transform);
        return true;
    }
    bool Finish(QPainter& painter) override {
        const bool ended = painter.end();
        pages.push_back(page_);
        return ended;
    }
    QString Problem() const override { return {}; }
    std::vector<QImage> pages;

  private:
    QImage page_{11906 / kTwipsPerPagePixel, 16838 / kTwipsPerPagePixel, QImage::Format_RGB32};
    QPainter* painter_ = nullptr;
};

// The box round everything drawn on an image, in the image's pixels; empty when nothing is.
QRect Ink(const QImage& image, QRect within = {}) {
    if (within.isNull()) within = image.rect();
    QRect ink;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            if (qGray(image.pixel(x, y)) < 200) ink |= QRect(x, y, 1, 1);
    return ink;
}

// In twips of the page.
QRect PageInk(const QImage& page, int topTwips = 0, int bottomTwips = 16838) {
    const QRect band(0, topTwips / kTwipsPerPagePixel, page.width(),
                     (bottomTwips - topTwips) / kTwipsPerPagePixel);
    const QRect ink = Ink(page, band & page.rect());
    return QRect(ink.topLeft() * kTwipsPerPagePixel, ink.size() * kTwipsPerPagePixel);
}

TEST(BigBoardOutput, APrintedBigBoardFitsItsPageAndA7HexagonPageStaysAsItWas) {
    TempDir dir;
    const std::string file = (dir.path() / "mixed.txt").string();
    std::ofstream(file, std::ios::binary) << kNineteen << "\r\n" << kSampleLine << "\r\n";
    Board board = BuiltBoard(7);
    CurrentPuzzle current{file, 1, 2};
    const BoardAppearance appearance;
    const std::string title = "Lumeta";
    PrintedGame game{board.layout, board.puzzle, current, appearance, title};

    ImagePages target;
    ASSERT_TRUE(PrintRangePages(target, game, 1, 2).ok);
    ASSERT_EQ(target.pages.size(), 2u);
    EXPECT_EQ(board.layout.HexTotal, 7);  // the last puzzle printed is on the board

    // 19 hexagons: the puzzle block fills its room, the solution block its own, apart.
    const QImage& big = target.pages[0];
    const QRect puzzle = PageInk(big, 0, 11800);
    EXPECT_GE(puzzle.left(), 1600);
    EXPECT_GE(puzzle.right(), 10400);  // scaled to the room, not beyond need
    EXPECT_LE(puzzle.right(), 10800);
    EXPECT_LE(puzzle.bottom(), 11300);
    EXPECT_TRUE(PageInk(big, 11300, 11980).isEmpty());
    const QRect solution = PageInk(big, 11980);
    EXPECT_GE(solution.top(), 11980);
    EXPECT_LE(solution.bottom(), 12000 + 2400 + 60);
    EXPECT_LE(solution.right(), 1600 + 2600 + 60);

    // 7 hexagons: the outlines where they always were (x 1950..8950, y 1200..8202 for the
    // puzzle, 12000..14154 for the solution), give or take the pen.
    const QRect seven = PageInk(target.pages[1], 1000, 11000);
    EXPECT_NEAR(seven.left(), 1950, 60);
    EXPECT_NEAR(seven.right(), 8950, 60);
    EXPECT_NEAR(seven.top(), 1200, 60);
    EXPECT_NEAR(seven.bottom(), 8202, 60);
    EXPECT_NEAR(PageInk(target.pages[1], 11000).bottom(), 14154, 60);
}

TEST(BigBoardOutput, TheClipboardPictureIsSizedFromTheGridAndHoldsTheWholeBoard) {
    const struct {
        int hexagons;
        QSize size;                  // at 15 twips per pixel
    } cases[] = {{7, {531, 527}},    // 12 × 663.6 by 8 × 987.5 twips
                 {10, {531, 682}},   // 500 + 8 × 1167 + 398: the 7-hexagon room below the board
                 {14, {796, 682}},   // 18 × 663.6
                 {19, {796, 838}}};  // 12 × 987.5 would cut the last row: 500 + 10 × 1167 + 398
    for (const auto& c : cases) {
        Board board = BuiltBoard(c.hexagons);
        PlacePuzzleLine(board.layout, board.puzzle, std::string(6 * c.hexagons, '4'));
        const BoardAppearance appearance;
        PuzzleSheet sheet{board.layout, board.puzzle, appearance, "Lumeta", 1, "/p/f.txt"};
        const QImage picture = PuzzlePictures(sheet, 15, 15).image;
        EXPECT_EQ(picture.size(), c.size) << c.hexagons;
        // The lowest outline lies inside, with room below it.
        const QRect ink = Ink(picture);
        EXPECT_LT(ink.bottom(), picture.height() - 20) << c.hexagons;
        EXPECT_LT(ink.right(), picture.width() - 20) << c.hexagons;
    }
}

}  // namespace
}  // namespace lumeta
