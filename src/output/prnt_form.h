#pragma once

#include <QDialog>
#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace lumeta {

class BoxControl;
class MsgForm;
class clsPrintDialog;

// The "Print Puzzles" window: the current puzzle or a range of the puzzle file, and the
// printer to use. It answers through its tag: "X" while open (set by the opener), "Y" once
// "Print" was accepted, "" after Cancel or closing. An accepted range travels in the range
// box's tag (see PrintRangeTag). Hidden, not destroyed, so it keeps the last range.
class PrntForm : public QDialog {
    Q_OBJECT

  public:
    PrntForm(clsPrintDialog& printDialog, MsgForm& msgForm, QWidget* parent = nullptr);

    QString Tag;
    QString Text1Tag;
    int PuzzleCount = 0;  // what a range is checked against

    QGroupBox* Frame1 = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLabel* Label1 = nullptr;
    QGroupBox* frame2 = nullptr;
    QLabel* Label2 = nullptr;
    BoxControl* Command3 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

  public slots:
    void reject() override;

  private:
    void PrintClicked();
    void SelectPrinter();

    clsPrintDialog& printDialog_;
    MsgForm& msgForm_;
};

}  // namespace lumeta
