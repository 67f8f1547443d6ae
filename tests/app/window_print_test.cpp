#include <QClipboard>
#include <QMimeData>
#include <QProgressDialog>
#include <QRegularExpression>

#include "controls/twips.h"
#include "output/current_printer.h"
#include "output/prnt_form.h"
#include "output/puzzle_printing.h"
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
        WriteConfig(WritePuzzles("file.txt", puzzles), current);
        Start();
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
    answers << "Ok"
            << "Ok"
            << "Ok";
    PrintFile({"21-30", "7", "99999999999-1", ""});
    EXPECT_EQ(texts, QStringList({"Print range not correct", "Specify print range",
                                  "Specify print range"}));
    EXPECT_EQ(boxes[0], "icon 4: Ok");
    EXPECT_FALSE(fs::exists(WorkFile("out.pdf")));
    EXPECT_EQ(Entry(3, 6), "4");

    const PrntForm& window = form->printing->Form();
    answers << "Ok";
    PrintFile({"15-30"});
    EXPECT_EQ(window.Label1->text(), Q(WorkFile("file.txt")));
    EXPECT_EQ(window.Label2->text(), Q(WorkFile("out.pdf")));
    EXPECT_EQ(window.Text1Tag, "0001500030");
    EXPECT_EQ(Pages(WorkFile("out.pdf")), 6);
    EXPECT_EQ(texts.last(), Q("16 puzzles printed\nto the PDF file:\n" + WorkFile("out.pdf")));
    // Reloaded from the file: the entry is gone.
    EXPECT_EQ(PuzzleLabel(), "p# 3 of 20");
    EXPECT_EQ(OnBoard(), PuzzleLineNo(3));
    EXPECT_EQ(Entry(3, 6), "");

    answers << "Ok"
            << "Ok";
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
    EXPECT_EQ(texts.mid(0, 2), QStringList({"Print current puzzle and its solution?",
                                            "Print current puzzle and its solution?"}));
    EXPECT_TRUE(texts[2].startsWith("save ")) << texts[2].toStdString();
    EXPECT_EQ(texts[3], Q("Puzzle printed to the PDF file:\n" + chosen));
    EXPECT_EQ(Pages(chosen), 1);
    EXPECT_FALSE(fs::exists(WorkFile("out.pdf")));
    EXPECT_EQ(form->printing->Printer().PdfFile(), Q(chosen));
}

TEST_F(PrintTest, AFileThatCannotBeWrittenIsReportedAndTheBoardStaysAsItWas) {
    StartOn(20, 3);
    Enter(3, 6, "4");
    const QImage before = form->Picture1->Image();
    PrintInto(WorkFile("file.txt") + "/out.pdf");  // a folder that is a file
    answers << "Ok";
    PrintFile({"1-5"});
    EXPECT_EQ(texts.last(),
              Q("Could not print to the PDF file:\n" + WorkFile("file.txt") + "/out.pdf"));
    EXPECT_EQ(boxes.last(), "icon 4: Ok");

    PrintInto(WorkFile("out.pdf"));
    {
        const FileSizeLimit limit(4000);  // the file breaks off while pages are drawn
        answers << "Ok";
        PrintFile({"1-20"});
    }
    EXPECT_EQ(texts.last(), Q("Could not print to the PDF file:\n" + WorkFile("out.pdf")));
    EXPECT_EQ(PuzzleLabel(), "p# 3 of 20");
    EXPECT_EQ(OnBoard(), PuzzleLineNo(3));
    EXPECT_EQ(Entry(3, 6), "4");
    EXPECT_EQ(form->Picture1->Image(), before);
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
    EXPECT_TRUE(copied->hasFormat("image/svg+xml"));
    EXPECT_EQ(S().layout.Given, given);
}

}  // namespace
}  // namespace lumeta
