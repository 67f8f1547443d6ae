#include "output/puzzle_printing.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressDialog>
#include <QRadioButton>
#include <algorithm>

#include "board/num_text.h"
#include "controls/msg_form.h"
#include "output/print_range.h"
#include "output/print_target.h"
#include "output/prnt_form.h"
#include "output/puzzle_page.h"
#include "output/range_pages.h"

namespace lumeta {

namespace {

QString QtText(const std::string& text) {
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

std::string LocalText(const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// The busy pointer for as long as a print runs.
class BusyPointer {
  public:
    BusyPointer() { QGuiApplication::setOverrideCursor(Qt::BusyCursor); }
    ~BusyPointer() { Release(); }
    void Release() {
        if (active_) QGuiApplication::restoreOverrideCursor();
        active_ = false;
    }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

  private:
    bool active_ = true;
};

}  // namespace

PuzzlePrinting::PuzzlePrinting(PrintedGame game, MsgForm& msgForm, QWidget* window,
                               std::shared_ptr<PrintSystem> system)
    : QObject(window),
      game_(game),
      msgForm_(msgForm),
      window_(window),
      printer_(std::move(system)),
      printDialog_(printer_, window) {}

PuzzlePrinting::~PuzzlePrinting() = default;

PrntForm& PuzzlePrinting::Form() {
    if (!form_) {
        form_ = new PrntForm(printDialog_, msgForm_, window_);
        if (FormMade) FormMade(*form_);
    }
    return *form_;
}

int PuzzlePrinting::Message(const std::string& prompt, const char* style) {
    const int answer = msgForm_.MsgboxA(QtText(prompt), QString::fromLatin1(style));
    QCoreApplication::processEvents();
    return answer;
}

std::string PuzzlePrinting::Target() {
    return LocalText(printer_.DeviceName());
}

void PuzzlePrinting::ReportFailure(const PrintedPages& printed) {
    // A failed document never reaches its printer or file: an earlier PDF file stays whole.
    std::string text = printer_.IsPdf() ? "Could not print to the PDF file:\r\n"
                                        : "Could not print to the printer:\r\n";
    text += Target();
    if (!printed.problem.isEmpty()) text += "\r\n" + LocalText(printed.problem);
    text += printer_.IsPdf() ? "\r\nNothing was printed, the file is as it was."
                             : "\r\nNothing was printed.";
    Message(text, "vbok+vbcritical");
}

QString PuzzlePrinting::AskPdfFile() {
    // The player may browse anywhere; the working folder stays where it was.
    const QString working = QDir::currentPath();
    QFileDialog dialog(window_, QStringLiteral("Print to PDF file"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("PDF files (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    const QFileInfo current(printer_.PdfFile());
    dialog.setDirectory(current.absolutePath());
    dialog.selectFile(current.fileName());
    const bool chosen = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    QCoreApplication::processEvents();
    QDir::setCurrent(working);
    return chosen ? dialog.selectedFiles().first() : QString();
}

void PuzzlePrinting::PrintCurrentPuzzle() {
    if (Message("Print current puzzle and its solution?", "vbquestion+vbyesno") != kResultYes)
        return;
    if (printer_.IsPdf()) {
        const QString path = AskPdfFile();
        if (path.isEmpty()) return;
        printer_.UsePdfFile(path);
    }
    const CurrentPuzzle& current = game_.current;
    PrintedPages printed;
    {
        // The document and its spool file are gone before any message shows.
        BusyPointer busy;
        const std::unique_ptr<PrintTarget> target = printer_.Open(
            JobTitle(game_.AppTitle, current.PuzzleFile, current.PuzzleNo, current.PuzzleNo));
        printed = PrintCurrentPage(*target, game_);
    }
    if (!printed.ok) return ReportFailure(printed);
    if (printer_.IsPdf())
        Message("Puzzle printed to the PDF file:\r\n" + Target(), "vbinformation+vbok");
}

void PuzzlePrinting::PrintPuzzleFile(const QString& fileTooltip) {
    const CurrentPuzzle& current = game_.current;
    if (current.PuzzleCount == 0 || current.PuzzleFile.empty()) return;
    PrntForm& form = Form();
    form.Label2->setText(printer_.DeviceName());  // the print system is asked here first
    form.Label1->setText(QtText(current.PuzzleFile));
    form.Label1->setToolTip(fileTooltip);
    form.PuzzleCount = current.PuzzleCount;
    form.Tag = QStringLiteral("X");
    form.exec();
    QCoreApplication::processEvents();
    if (form.Tag != QLatin1String("Y")) return;

    if (form.Option1->isChecked()) return PrintRange(current.PuzzleNo, current.PuzzleNo);
    const std::optional<PrintRangeBounds> range = ReadPrintRangeTag(form.Text1Tag.toStdString());
    if (range) PrintRange(range->from, range->to);
}

void PuzzlePrinting::PrintRange(int from, int to) {
    CurrentPuzzle& current = game_.current;
    const int remembered = current.PuzzleNo;
    const std::string file = current.PuzzleFile;
    const long long pages = std::min<long long>(to, current.PuzzleCount) - from + 1;
    // The board as it was, should its puzzle no longer be in the file or the print fail.
    // Each puzzle of the range is loaded on its own board, which may be another size.
    const BoardLayout savedLayout = game_.layout;
    const PuzzleState savedPuzzle = game_.puzzle;
    const CurrentPuzzle savedCurrent = current;

    BusyPointer busy;
    std::unique_ptr<QProgressDialog> progress;
    if (pages >= kProgressFrom) {
        progress = std::make_unique<QProgressDialog>(QStringLiteral("Printing puzzles ..."),
                                                     QStringLiteral("Cancel"), 0,
                                                     static_cast<int>(pages), window_);
        progress->setWindowTitle(QtText(game_.AppTitle));
        progress->setWindowModality(Qt::ApplicationModal);
        progress->setMinimumDuration(0);
        progress->setValue(0);
    }
    const int last = static_cast<int>(std::min<long long>(to, current.PuzzleCount));
    std::unique_ptr<PrintTarget> target =
        printer_.Open(JobTitle(game_.AppTitle, file, from, std::max(from, last)));
    const PrintedPages printed =
        PrintRangePages(*target, game_, from, to, [&progress](long long done) {
            if (!progress) return true;
            progress->setValue(static_cast<int>(done));
            QCoreApplication::processEvents();
            return !progress->wasCanceled();
        });
    target.reset();  // its spool file is gone before any message shows
    progress.reset();

    // The puzzle that was current comes back from its file. A print that failed leaves the
    // board exactly as it was, entries included.
    int no = remembered;
    int err = 0;
    LoadReport report;
    report.kind = LoadReport::Kind::Unreadable;  // not loaded: nothing for the window to show
    if (printed.ok && remembered > 0)
        report = LoadPuzzle(game_.layout, game_.puzzle, current, file, no, err);
    if (!report.loaded()) {
        game_.layout = savedLayout;
        game_.puzzle = savedPuzzle;
        current = savedCurrent;
    }
    busy.Release();
    if (PuzzleReloaded) PuzzleReloaded(report);

    if (!printed.ok) return ReportFailure(printed);
    // The pages that were printed, not the numbers typed: a range may end past the file.
    std::string done = NumText(printed.printed) + " puzzles printed";
    if (printed.cancelled) done = "Printing cancelled\r\n" + done;
    if (printer_.IsPdf()) done += "\r\nto the PDF file:\r\n" + Target();
    Message(done, "vbinformation+vbok");
}

}  // namespace lumeta
