#include "output/clipboard_copy.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <algorithm>

#include "controls/twips.h"
#include "output/painter_surface.h"
#include "output/svg_picture.h"

namespace lumeta {

namespace {

// Where the block goes on the picture: the header fits above it.
constexpr int kPictureBlockLeft = 0;
constexpr int kPictureBlockTop = 500;
// The room the 7-hexagon board's picture leaves below its outlines; a taller board keeps it
// rather than be cut off by the grid's own allowance.
constexpr double kPictureBottomRoom = 398;

}  // namespace

BoardPictures PuzzlePictures(PuzzleSheet& sheet, int twipsPerPixelX, int twipsPerPixelY) {
    const BoardLayout& layout = sheet.layout;
    // The screen's pitches, widened to take the printed block.
    const double width = (layout.GridCols + 1) * (layout.ColStep * 1.4);
    const BlockExtent block = BoardBlockExtent(layout, kPaperColStep, kPaperRowStep);
    const double height = std::max((layout.GridRows + 2) * (layout.RowStep * 1.25),
                                   kPictureBlockTop + block.height + kPictureBottomRoom);
    const int tppX = std::max(1, twipsPerPixelX);
    const int tppY = std::max(1, twipsPerPixelY);

    BoardPictures pictures;
    pictures.image = QImage(std::max(1, RoundHalfEven(width / tppX)),
                            std::max(1, RoundHalfEven(height / tppY)), QImage::Format_RGB32);
    // The image's resolution makes one of its pixels the screen's twips per pixel.
    pictures.image.setDotsPerMeterX(RoundHalfEven(1440.0 / tppX / 0.0254));
    pictures.image.setDotsPerMeterY(RoundHalfEven(1440.0 / tppY / 0.0254));
    pictures.image.fill(Qt::white);
    {
        QPainter painter(&pictures.image);
        PainterSurface surface(painter);
        PrintPuzzlePage(surface, sheet, kPictureBlockLeft, kPictureBlockTop, 0);
    }

    RecordingSurface recording(SystemFontMeasure());
    PrintPuzzlePage(recording, sheet, kPictureBlockLeft, kPictureBlockTop, 0);
    pictures.svg = SvgPicture(recording.Items(), width, height, tppX);
    return pictures;
}

void CopyBoardToClipboard(PuzzleSheet& sheet, int twipsPerPixelX, int twipsPerPixelY) {
    const BoardPictures pictures = PuzzlePictures(sheet, twipsPerPixelX, twipsPerPixelY);
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return;
    auto* data = new QMimeData;
    data->setImageData(pictures.image);
    data->setData(QStringLiteral("image/svg+xml"), pictures.svg);
    clipboard->setMimeData(data);
}

void CopySolutionToClipboard(PuzzleSheet& sheet, int twipsPerPixelX, int twipsPerPixelY) {
    PuzzleState everyDigit = sheet.puzzle;
    for (auto& row : everyDigit.Shown)
        row.fill(1);
    PuzzleSheet solution{sheet.layout,   everyDigit,     sheet.appearance,
                         sheet.AppTitle, sheet.PuzzleNo, sheet.PuzzleFile};
    CopyBoardToClipboard(solution, twipsPerPixelX, twipsPerPixelY);
}

}  // namespace lumeta
