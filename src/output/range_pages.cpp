#include "output/range_pages.h"

#include <QFile>
#include <QPainter>
#include <algorithm>

#include "output/current_printer.h"
#include "output/painter_surface.h"
#include "output/puzzle_page.h"
#include "puzzlefiles/puzzle_loader.h"

namespace lumeta {

namespace {

// Whether a PDF file was written to its end: a full disk or a file size limit cuts it short
// without the writer noticing.
bool CompletePdf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 16) return false;
    file.seek(file.size() - 16);
    return file.read(16).contains("%%EOF");
}

}  // namespace

bool DocumentFinished(QPainter& painter, const CurrentPrinter& printer) {
    const bool ended = painter.end();
    if (!ended || printer.Printer().printerState() == QPrinter::Error) return false;
    return !printer.IsPdf() || CompletePdf(printer.PdfFile());
}

RangePages PrintRangePages(CurrentPrinter& printer, PrintedGame& game, int from, int to,
                           const std::function<bool(long long printed)>& afterPage) {
    RangePages result;
    QPainter painter;
    if (!painter.begin(&printer.Printer())) return result;
    result.started = true;

    CurrentPuzzle& current = game.current;
    const std::string file = current.PuzzleFile;
    const long long last = std::min<long long>(to, current.PuzzleCount);
    bool pagesOk = true;
    {
        PainterSurface surface(painter);
        for (long long n = from; n <= last; ++n) {
            // Every puzzle has its page, also one that fails to load.
            if (n > from && !printer.Printer().newPage()) {
                pagesOk = false;
                break;
            }
            int no = static_cast<int>(n);
            int err = 0;
            LoadPuzzle(game.layout, game.puzzle, current, file, no, err);
            if (err == 0) {
                PuzzleSheet sheet{game.layout,   game.puzzle,      game.appearance,
                                  game.AppTitle, current.PuzzleNo, current.PuzzleFile};
                PrintPuzzlePage(surface, sheet, kBlockLeft, kPuzzleBlockTop, 0);
                PrintPuzzlePage(surface, sheet, kBlockLeft, kRangeSolutionTop, 1);
            }
            ++result.printed;
            if (afterPage && !afterPage(result.printed)) {
                result.cancelled = n < last;
                break;
            }
        }
    }
    result.ok = DocumentFinished(painter, printer) && pagesOk;
    return result;
}

}  // namespace lumeta
