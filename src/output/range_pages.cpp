#include "output/range_pages.h"

#include <QFileInfo>
#include <QPainter>
#include <algorithm>

#include "output/painter_surface.h"
#include "output/print_target.h"
#include "output/puzzle_page.h"
#include "puzzlefiles/puzzle_loader.h"

namespace lumeta {

namespace {

void PrintSheet(PainterSurface& surface, PrintedGame& game, int solutionTop) {
    const CurrentPuzzle& current = game.current;
    PuzzleSheet sheet{game.layout,   game.puzzle,      game.appearance,
                      game.AppTitle, current.PuzzleNo, current.PuzzleFile};
    sheet.fitPage = true;
    PrintPuzzlePage(surface, sheet, kBlockLeft, kPuzzleBlockTop, 0);
    PrintPuzzlePage(surface, sheet, kBlockLeft, solutionTop, 1);
}

PrintedPages Failed(PrintTarget& target) {
    PrintedPages result;
    result.problem = target.Problem();
    return result;
}

}  // namespace

PrintedPages PrintRangePages(PrintTarget& target, PrintedGame& game, int from, int to,
                             const std::function<bool(long long drawn)>& afterPage) {
    QPainter painter;
    if (!target.Begin(painter)) return Failed(target);

    PrintedPages result;
    CurrentPuzzle& current = game.current;
    const std::string file = current.PuzzleFile;
    const long long last = std::min<long long>(to, current.PuzzleCount);
    {
        PainterSurface surface(painter);
        for (long long n = from; n <= last; ++n) {
            // Every puzzle has its page, also one that fails to load.
            if (n > from && !target.NewPage()) {
                painter.end();
                return Failed(target);
            }
            int no = static_cast<int>(n);
            int err = 0;
            LoadPuzzle(game.layout, game.puzzle, current, file, no, err);
            if (err == 0) PrintSheet(surface, game, kRangeSolutionTop);
            ++result.printed;
            if (afterPage && !afterPage(result.printed)) {
                result.cancelled = n < last;
                break;
            }
        }
    }
    if (!target.Finish(painter)) return Failed(target);
    result.ok = true;
    return result;
}

PrintedPages PrintCurrentPage(PrintTarget& target, PrintedGame& game) {
    QPainter painter;
    if (!target.Begin(painter)) return Failed(target);
    {
        PainterSurface surface(painter);
        PrintSheet(surface, game, kCurrentSolutionTop);
    }
    if (!target.Finish(painter)) return Failed(target);
    PrintedPages result;
    result.ok = true;
    result.printed = 1;
    return result;
}

QString JobTitle(const std::string& appTitle, const std::string& file, int from, int to) {
    const QString name = QFileInfo(QString::fromLocal8Bit(file.c_str())).fileName();
    const QString puzzles = from == to ? QStringLiteral("puzzle %1").arg(from)
                                       : QStringLiteral("puzzles %1-%2").arg(from).arg(to);
    return QStringLiteral("%1 - %2, %3")
        .arg(QString::fromLocal8Bit(appTitle.c_str()), name, puzzles);
}

}  // namespace lumeta
