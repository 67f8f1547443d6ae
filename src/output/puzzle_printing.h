#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "board/board_layout.h"
#include "board/puzzle_state.h"
#include "output/current_printer.h"
#include "output/print_dialog.h"
#include "output/range_pages.h"
#include "puzzlefiles/current_puzzle.h"
#include "puzzlefiles/puzzle_loader.h"
#include "view/board_appearance.h"

class QWidget;

namespace lumeta {

class MsgForm;
class PrintSystem;
class PrntForm;

// The printing commands of the game window: the current puzzle with its solution, or a
// range of the puzzle file one per page, on the current printer or into a PDF file.
class PuzzlePrinting : public QObject {
    Q_OBJECT

  public:
    // Prints on the printers `system` lists (asked on the first print), else into PDF files.
    PuzzlePrinting(PrintedGame game, MsgForm& msgForm, QWidget* window,
                   std::shared_ptr<PrintSystem> system);
    ~PuzzlePrinting() override;

    // "Print" of the Puzzle menu: the puzzle on the board and its solution on one page.
    void PrintCurrentPuzzle();
    // "Print Puzzle File": the "Print Puzzles" window, then the chosen puzzles.
    // `fileTooltip` is the window's file label tooltip, for the window's file label.
    void PrintPuzzleFile(const QString& fileTooltip);
    // Puzzles from..to of the file (as far as it goes), one page each; then the puzzle that
    // was current is loaded again and reported through PuzzleReloaded.
    void PrintRange(int from, int to);

    // The window shows a puzzle loaded again after printing.
    std::function<void(const LoadReport&)> PuzzleReloaded;

    CurrentPrinter& Printer() { return printer_; }
    clsPrintDialog& PrintDialog() { return printDialog_; }
    // The print window, made on first use; MadeForm is null until then.
    PrntForm& Form();
    PrntForm* MadeForm() const { return form_; }
    // Gives the print window the game window's look once it is made.
    std::function<void(PrntForm&)> FormMade;

    // Ranges of at least this many puzzles show their progress, with a Cancel button.
    static constexpr int kProgressFrom = 20;

  private:
    // The PDF file for a print from the menu, chosen by the player; empty when cancelled.
    QString AskPdfFile();
    int Message(const std::string& prompt, const char* style);
    void ReportFailure(const PrintedPages& printed);
    std::string Target();

    PrintedGame game_;
    MsgForm& msgForm_;
    QWidget* window_;
    CurrentPrinter printer_;
    clsPrintDialog printDialog_;
    PrntForm* form_ = nullptr;
};

}  // namespace lumeta
