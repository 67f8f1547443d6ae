#include <sys/stat.h>
#include <QClipboard>
#include <QMimeData>
#include <QProgressDialog>
#include <QRegularExpression>

#include "controls/twips.h"
#include "output/current_printer.h"
#include "output/prnt_form.h"
#include "output/puzzle_printing.h"
#include "support/fake_print_system.h"
#include "support/file_size_limit.h"
#include "window_fixture.h"

namespace lumeta {
namespace {

using namespace lumeta::testing;

// The printing commands of the game window, printing into PDF files.
class PrintTest : public WindowTest {
  protected:
    PrintTest() {
        QObject::connect(&printTimer_, &QTimer::timeout, [this] { AnswerPrintWindows(); });
        printTimer_.start(5);
    }
    void StartOn(int puzzles, int current) {
        WindowTest::StartOn(puzzles, current);
        PrintInto(WorkFile("out.pdf"));
    }
    void PrintInto(const std::string& path) { form->printing->Printer().UsePdfFile(Q(path)); }
    // Pages of a PDF file: its page objects.
    static int Pages(const std::string& path) {
        const QString pdf = QString::fromLatin1(ReadBytes(path));
        return static_cast<int>(pdf.count(QRegularExpression("/Type\\s*/Page[^s]")));
    }
    // The print window takes the next of `ranges`: a range to print, "current" for the current
    // puzzle, "" to cancel; `cancelProgress` cancels a progress window once it shows.
    void PrintFile(const QStringList& take) { ranges << take, form->mnuprint->trigger(); }

    QStringList ranges;
    bool cancelProgress = false;

  private:
    void AnswerPrintWindows() {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* progress = qobject_cast<QProgressDialog*>(modal); progress && cancelProgress)
            return progress->cancel();
        auto* window = qobject_cast<PrntForm*>(modal);
        if (!window || !window->isVisible()) return;
        EXPECT_FALSE(ranges.isEmpty()) << "unexpected print window";
        const QString range = ranges.isEmpty() ? QString() : ranges.takeFirst();
        if (range.isEmpty()) return window->Command2->click();
        window->Option1->setChecked(range == "current");
        window->Option2->setChecked(range != "current");
        if (range != "current") window->Text1->setText(range);
        QTest::mouseClick(window->Command1, Qt::LeftButton);
    }
    QTimer printTimer_;
};

TEST_F(PrintTest, ARangeIsCheckedInTheWindowThenPrintedOnePerPageAndTheCurrentPuzzleComesBack) {
    StartOn(20, 3);
    Enter(3, 6, "4");
    answers << QStringList{"Ok", "Ok", "Ok"};
    PrintFile({"21-30", "7", "99999999999-1", ""});
    EXPECT_EQ(texts, QStringList({"Print range not correct", "Specify print range",
                                  "Specify print range"}));
    EXPECT_FALSE(fs::exists(WorkFile("out.pdf")));
    EXPECT_EQ(Entry(3, 6), "4");

    const PrntForm& window = form->printing->Form();
    answers << "Ok";
    PrintFile({"15-30"});
    EXPECT_EQ(Pages(WorkFile("out.pdf")), 6);
    // The pages printed are counted, not the numbers typed.
    EXPECT_EQ(texts.last(), Q("6 puzzles printed\nto the PDF file:\n" + WorkFile("out.pdf")));
    // Reloaded from the file: the entry is gone.
    EXPECT_EQ(PuzzleLabel(), "p# 3 of 20");
    EXPECT_EQ(OnBoard(), PuzzleLineNo(3));
    EXPECT_EQ(Entry(3, 6), "");

    answers << QStringList{"Ok", "Ok", "Ok"};
    PrintFile({"19-2147483647"});
    EXPECT_EQ(Pages(WorkFile("out.pdf")), 2);
    EXPECT_TRUE(texts.last().startsWith("2 puzzles printed\n"));
    PrintFile({"3-3"});
    EXPECT_EQ(Pages(WorkFile("out.pdf")), 1);
    EXPECT_TRUE(texts.last().startsWith("1 puzzles printed\n"));
    PrintFile({"current"});
    EXPECT_EQ(Pages(WorkFile("out.pdf")), 1);
    EXPECT_EQ(window.Text1->text(), "3-3");  // the window keeps its range
}

TEST_F(PrintTest, PrintFromThePuzzleMenuAsksForThePdfFileAndSaysWhereItWent) {
    StartOn(5, 2);
    answers << "No";
    Shortcut(Qt::Key_P);
    const std::string chosen = WorkFile("mine.pdf");
    answers << "Yes" << Q(chosen) << "Ok";
    form->mnuprint1->trigger();
    EXPECT_EQ(texts[1], "Print current puzzle and its solution?");
    EXPECT_TRUE(texts[2].startsWith("save ")) << texts[2].toStdString();
    EXPECT_EQ(texts[3], Q("Puzzle printed to the PDF file:\n" + chosen));
    EXPECT_EQ(Pages(chosen), 1);
    EXPECT_FALSE(fs::exists(WorkFile("out.pdf")));
    EXPECT_EQ(form->printing->Printer().PdfFile(), Q(chosen));
}

TEST_F(PrintTest, APdfFileIsReplacedWholeOrNotAtAllAndWhatIsNoFileIsRefusedWithoutWaiting) {
    StartOn(20, 3);
    answers << "Ok";
    PrintFile({"1-2"});
    const std::string earlier = ReadBytes(WorkFile("out.pdf"));
    Enter(3, 6, "4");
    const QImage before = form->Picture1->Image();
    ASSERT_EQ(mkfifo(WorkFile("fifo.pdf").c_str(), 0600), 0);
    fs::create_directory(WorkFile("folder.pdf"));
    std::ofstream(WorkFile("kept.pdf")) << "kept";
    fs::permissions(WorkFile("kept.pdf"), fs::perms::owner_read);  // root is refused too

    const std::pair<std::string, std::string> cases[] = {
        {WorkFile("file.txt") + "/out.pdf", "Not a directory"},
        {WorkFile("folder.pdf"), "it is a folder"},
        {WorkFile("fifo.pdf"), "not a regular file"},
        {WorkFile("kept.pdf"), "the file is read-only"},
        {WorkFile("out.pdf"), "File too large"}};  // breaks off while pages are drawn
    for (const auto& [pdf, why] : cases) {
        PrintInto(pdf);
        {
            const FileSizeLimit limit(why == "File too large" ? 4000 : RLIM_INFINITY);
            answers << "Ok";
            PrintFile({"1-20"});
        }
        EXPECT_EQ(texts.last(),
                  Q("Could not print to the PDF file:\n" + pdf + "\ncannot write " + pdf + ": " +
                    why + "\nNothing was printed, the file is as it was."));
    }
    EXPECT_EQ(ReadBytes(WorkFile("out.pdf")), earlier);
    EXPECT_EQ(ReadBytes(WorkFile("kept.pdf")), "kept");
    EXPECT_EQ(std::distance(fs::directory_iterator(WorkFile("")), {}), 5);  // no other file
    EXPECT_EQ(PuzzleLabel(), "p# 3 of 20");
    EXPECT_EQ(Entry(3, 6), "4");
    EXPECT_EQ(form->Picture1->Image(), before);
}

TEST_F(PrintTest, EveryPrinterFailureNamesThePrinterAndSaysNothingWasPrinted) {
    printSystem->printers = {"Office"};
    WindowTest::StartOn(20, 3);
    Enter(3, 6, "4");
    const QString failed =
        "Could not print to the printer:\nOffice\nThe printer does not "
        "answer.\nNothing was printed.";
    using FailAt = FakePrintSystem::FailAt;
    for (FailAt at : {FailAt::Begin, FailAt::NewPage, FailAt::Finish}) {
        printSystem->failAt = at;
        answers << "Ok";
        PrintFile({"1-5"});
        EXPECT_EQ(texts.last(), failed) << static_cast<int>(at);
        if (at == FailAt::NewPage) continue;  // one page: no new page to fail at
        answers << QStringList{"Yes", "Ok"};
        form->mnuprint1->trigger();
        EXPECT_EQ(texts.last(), failed) << static_cast<int>(at);
    }
    EXPECT_EQ(printSystem->pagesQueued, 0);
    EXPECT_EQ(PuzzleLabel(), "p# 3 of 20");
    EXPECT_EQ(Entry(3, 6), "4");

    // A job the queue takes carries the program, the file and the puzzles in its title.
    printSystem->failAt = FailAt::Nothing;
    answers << QStringList{"Ok", "Yes"};
    PrintFile({"19-30"});
    EXPECT_EQ(texts.last(), "2 puzzles printed");
    form->mnuprint1->trigger();
    EXPECT_EQ(printSystem->titles,
              QStringList({"Lumeta - file.txt, puzzles 19-20", "Lumeta - file.txt, puzzle 3"}));
    EXPECT_EQ(printSystem->pagesQueued, 3);
}

TEST_F(PrintTest, ALongRangeShowsItsProgressAndCancelEndsTheDocumentWithThePagesSoFar) {
    StartOn(300, 7);
    cancelProgress = true;
    answers << "Ok";
    PrintFile({"1-300"});
    const int pages = Pages(WorkFile("out.pdf"));
    EXPECT_GT(pages, 0);
    EXPECT_LT(pages, 300);
    EXPECT_EQ(texts.last(), Q("Printing cancelled\n" + std::to_string(pages) +
                              " puzzles printed\nto the PDF file:\n" + WorkFile("out.pdf")));
    EXPECT_EQ(PuzzleLabel(), "p# 7 of 300");
    EXPECT_EQ(OnBoard(), PuzzleLineNo(7));
}

TEST_F(PrintTest, TheClipboardGetsTheSolutionPictureWhileTheCluesStay) {
    StartOn(5, 2);
    const GridTable<int> given = S().layout.Given;
    form->mnucopyclipsol->trigger();
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(copied && copied->hasImage());
    const QImage image = qvariant_cast<QImage>(copied->imageData());
    EXPECT_EQ(image.size(), QSize(RoundHalfEven(12 * 663.6 / S().TwipsPerPixelX),
                                  RoundHalfEven(8 * 987.5 / S().TwipsPerPixelY)));
    // The vector picture has the image's size, in points.
    const QRegularExpressionMatch size =
        QRegularExpression("<svg [^>]*width=\"([0-9.]+)pt\" height=\"([0-9.]+)pt\"")
            .match(QString::fromUtf8(copied->data("image/svg+xml")));
    ASSERT_TRUE(size.hasMatch());
    EXPECT_NEAR(size.captured(1).toDouble(), image.width() * 72.0 / image.logicalDpiX(), 0.5);
    EXPECT_NEAR(size.captured(2).toDouble(), image.height() * 72.0 / image.logicalDpiY(), 0.5);
    EXPECT_EQ(S().layout.Given, given);
}

}  // namespace
}  // namespace lumeta
