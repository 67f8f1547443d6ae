#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "appearance/window_look.h"
#include "controls/box_control.h"
#include "controls/colour_value.h"
#include "controls/msg_form.h"
#include "output/current_printer.h"
#include "output/print_dialog.h"
#include "output/prnt_form.h"
#include "support/fake_print_system.h"
#include "support/temp_dir.h"

namespace lumeta {
namespace {

using namespace lumeta::testing;

class PrintWindow : public ::testing::Test {
  protected:
    PrintWindow() { printer.UsePdfFile(QString::fromStdString(dir.File("first.pdf"))); }

    // Answers the next system print dialog: accepted after `change`, or cancelled.
    void AnswerPrintDialog(bool accept, std::function<void(QPrintDialog&)> change = {}) {
        QTimer::singleShot(20, [accept, change] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(dialog);
            if (change) change(*dialog);
            accept ? dialog->accept() : dialog->reject();
        });
    }

    TempDir dir;
    std::shared_ptr<FakePrintSystem> system = std::make_shared<FakePrintSystem>();
    CurrentPrinter printer{system};
    clsPrintDialog printDialog{printer};
    ColourScheme scheme;
    MsgForm msgForm{scheme};
    PrntForm form{printDialog, msgForm};
};

TEST_F(PrintWindow, TheSchemeColoursTheWindowAndTheButtonSlotItsButtonsAndRangeBox) {
    scheme.SchemeColours[2] = RGBValue(10, 20, 30);
    scheme.SchemeColours[4] = RGBValue(200, 100, 50);
    scheme.ButtonSlot = 4;
    ColourWindow(form, SchemeLook(scheme, RGBValue(2, 2, 2)));
    const QColor window(10, 20, 30), button(200, 100, 50);
    for (QWidget* part : std::initializer_list<QWidget*>{
             &form, form.Frame1, form.frame2, form.Label1, form.Label2, form.Option1, form.Option2})
        EXPECT_EQ(part->palette().color(QPalette::Window), window) << part->objectName().data();
    EXPECT_EQ(form.Label1->palette().color(QPalette::WindowText), QColor(2, 2, 2));
    for (QWidget* part : std::initializer_list<QWidget*>{form.Command1, form.Command2})
        EXPECT_EQ(part->palette().color(QPalette::Button), button);
    EXPECT_EQ(form.Text1->palette().color(QPalette::Base), button);
    EXPECT_EQ(form.Command3->BackColor(), RGBValue(200, 100, 50));
}

TEST_F(PrintWindow, TypingARangeChoosesRangeAndTheCurrentPuzzleStaysTheFirstChoice) {
    EXPECT_TRUE(form.Option1->isChecked());
    QTest::keyClicks(form.Text1, "5-10");
    EXPECT_TRUE(form.Option2->isChecked());
}

TEST_F(PrintWindow, ChoosingAPrinterNamesItOnTheWindowAndCancelKeepsTheLastChoice) {
    form.Label2->setText("before");
    AnswerPrintDialog(false);
    QTest::mouseClick(form.Command3, Qt::LeftButton);
    EXPECT_EQ(form.Label2->text(), "before");
    EXPECT_EQ(printer.PdfFile(), QString::fromStdString(dir.File("first.pdf")));

    // Without a printer installed the dialog offers a PDF file.
    AnswerPrintDialog(true);
    QTest::mouseClick(form.Command3, Qt::LeftButton);
    EXPECT_EQ(form.Label2->text(), QString::fromStdString(dir.File("first.pdf")));
    EXPECT_EQ(form.Label2->toolTip(), form.Label2->text());
    EXPECT_EQ(printDialog.FromPage + printDialog.ToPage, 0);
}

TEST_F(PrintWindow, TheChosenFileCopiesAndOrientationPassToTheCurrentPrinter) {
    QPrinter chosen;
    chosen.setOutputFormat(QPrinter::PdfFormat);
    chosen.setOutputFileName(QString::fromStdString(dir.File("second.pdf")));
    chosen.setCopyCount(3);
    chosen.setPageOrientation(QPageLayout::Landscape);
    TakePrinterChoice(printer, chosen);
    EXPECT_EQ(printer.LabelText(), QString::fromStdString(dir.File("second.pdf")));
    EXPECT_EQ(printer.Printer().copyCount(), 3);
    EXPECT_EQ(printer.Printer().pageLayout().orientation(), QPageLayout::Landscape);
}

TEST_F(PrintWindow, PrintsOnTheDefaultPrinterElseTheFirstElseIntoAPdfFileAtHome) {
    system->printers = {"Office", "Lab"};
    system->defaultPrinter = "Lab";
    EXPECT_EQ(CurrentPrinter(system).LabelText(), "LAB");
    system->defaultPrinter.clear();
    EXPECT_EQ(CurrentPrinter(system).DeviceName(), "Office");
    EXPECT_FALSE(CurrentPrinter(system).UsePrinter("Gone"));

    // Without a printer: a PDF file in the documents folder, or at home when there is none.
    system->printers.clear();
    const QByteArray home = qgetenv("HOME"), config = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", dir.path().c_str());
    qputenv("XDG_CONFIG_HOME", dir.File("config").c_str());
    const QString atHome = CurrentPrinter(system).LabelText();
    std::filesystem::create_directory(dir.path() / "Documents");
    const QString inDocuments = CurrentPrinter(system).LabelText();
    qputenv("HOME", home);
    config.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", config);
    EXPECT_EQ(atHome, QString::fromStdString(dir.File("lumeta-puzzles.pdf")));
    EXPECT_EQ(inDocuments, QString::fromStdString(dir.File("Documents/lumeta-puzzles.pdf")));
}

}  // namespace
}  // namespace lumeta
