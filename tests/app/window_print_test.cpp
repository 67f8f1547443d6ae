#include <QRegularExpression>

#include "output/current_printer.h"
#include "output/prnt_form.h"
#include "output/puzzle_printing.h"
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
        form->printing->Printer().UsePdfFile(Q(WorkFile("out.pdf")));
    }
    // Pages of a PDF file: its page objects.
    static int Pages(const std::string& path) {
        const QString pdf = QString::fromLatin1(ReadBytes(path));
        return static_cast<int>(pdf.count(QRegularExpression("/Type\\s*/Page[^s]")));
    }
    // The print window takes the next of `ranges`: a range to print, "current" for the current
    // puzzle, "" to cancel.
    void PrintFile(const QStringList& take) { ranges << take, form->mnuprint->trigger(); }

    QStringList ranges;

  private:
    void AnswerPrintWindows() {
        QWidget* modal = QApplication::activeModalWidget();
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

    answers << "Ok";
    PrintFile({"current"});
    EXPECT_EQ(Pages(WorkFile("out.pdf")), 1);
    EXPECT_EQ(window.Text1->text(), "15-30");  // the window keeps its range
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

}  // namespace
}  // namespace lumeta
