#include "output/prnt_form.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "controls/box_control.h"
#include "controls/colour_value.h"
#include "controls/msg_form.h"
#include "output/print_dialog.h"
#include "output/print_range.h"

namespace lumeta {

namespace {

// A small printer for the printer button, drawn on a 16 × 16 grid.
QPixmap PrinterPicture(int size, qreal ratio) {
    QPixmap pixmap(QSize(size, size) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);
    const QPen outline(QColor(0x1f, 0x3b, 0x63), 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(outline);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));  // paper going in
    p.setBrush(QColor(0x4a, 0x8f, 0xd9));
    p.drawRoundedRect(QRectF(1.5, 5.5, 13, 6), 1.5, 1.5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 9.5, 7, 5));  // the printed page
    p.drawLine(QPointF(6, 11.5), QPointF(10, 11.5));
    return pixmap;
}

}  // namespace

PrntForm::PrntForm(clsPrintDialog& printDialog, MsgForm& msgForm, QWidget* parent)
    : QDialog(parent), printDialog_(printDialog), msgForm_(msgForm) {
    setObjectName(QStringLiteral("PrntForm"));
    setWindowTitle(QStringLiteral("Print Puzzles"));
    setModal(true);

    Frame1 = new QGroupBox(QStringLiteral("Puzzles "), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Option1 = new QRadioButton(QStringLiteral("Current Puzzle"), Frame1);
    Option1->setObjectName(QStringLiteral("Option1"));
    Option1->setChecked(true);
    Option2 = new QRadioButton(QStringLiteral("Range"), Frame1);
    Option2->setObjectName(QStringLiteral("Option2"));
    Text1 = new QLineEdit(Frame1);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setToolTip(QStringLiteral("Enter range like 5-10"));
    // Typing a range means printing it.
    connect(Text1, &QLineEdit::textEdited, Option2, [this] { Option2->setChecked(true); });
    Label1 = new QLabel(Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    auto* rangeRow = new QHBoxLayout;
    rangeRow->addWidget(Option2);
    rangeRow->addWidget(Text1, 1);
    auto* puzzles = new QVBoxLayout(Frame1);
    puzzles->addWidget(Option1);
    puzzles->addLayout(rangeRow);
    puzzles->addWidget(Label1);

    frame2 = new QGroupBox(QStringLiteral("Printers"), this);
    frame2->setObjectName(QStringLiteral("frame2"));
    Label2 = new QLabel(frame2);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setTextFormat(Qt::PlainText);
    Label2->setToolTip(QStringLiteral("Current printer"));
    Label2->setMinimumWidth(260);
    Command3 = new BoxControl(frame2);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command3->setToolTip(QStringLiteral("Select a printer"));
    Command3->SetBackColor(kSystemColourBit | 15);  // the button face until a scheme is applied
    Command3->setFixedSize(26, 26);
    Command3->SetPicture(PrinterPicture(18, qApp->devicePixelRatio()));
    connect(Command3, &BoxControl::MouseUp, this, [this] { SelectPrinter(); });
    auto* printers = new QHBoxLayout(frame2);
    printers->addWidget(Label2, 1);
    printers->addWidget(Command3);

    Command1 = new QPushButton(QStringLiteral("Print"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    Command2 = new QPushButton(QStringLiteral("Cancel"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    connect(Command1, &QPushButton::clicked, this, [this] { PrintClicked(); });
    connect(Command2, &QPushButton::clicked, this, [this] { reject(); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);

    auto* window = new QVBoxLayout(this);
    window->addWidget(Frame1);
    window->addWidget(frame2);
    window->addLayout(buttons);
}

void PrntForm::PrintClicked() {
    if (Option2->isChecked()) {
        const PrintRangeChoice choice = ParsePrintRange(Text1->text().toStdString(), PuzzleCount);
        if (choice.verdict != PrintRangeChoice::Verdict::Accepted) {
            // The window stays open for another try.
            msgForm_.MsgboxA(QString::fromStdString(PrintRangeMessage(choice.verdict)),
                             QStringLiteral("vbcritical+vbok"));
            QCoreApplication::processEvents();
            return;
        }
        Text1Tag = QString::fromStdString(PrintRangeTag(choice.from, choice.to));
    }
    Tag = QStringLiteral("Y");
    hide();
    done(Accepted);
}

void PrntForm::reject() {
    Tag.clear();
    QDialog::reject();
}

void PrntForm::SelectPrinter() {
    const QString chosen = printDialog_.ShowPrinter();
    if (chosen.isEmpty()) return;
    Label2->setText(chosen);
    Label2->setToolTip(chosen);
}

}  // namespace lumeta
