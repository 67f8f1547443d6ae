#pragma once

#include <QString>
#include <cstdint>

class QPrinter;
class QWidget;

namespace lumeta {

class CurrentPrinter;

// The print dialog object: the system's print dialog opened on the current printer. The
// page numbers it offers and the ones chosen last are kept between uses; the program
// never asks for pages, so they stay 0 to 0 unless the player picks some.
class clsPrintDialog {
  public:
    explicit clsPrintDialog(CurrentPrinter& printer, QWidget* owner = nullptr)
        : printer_(printer), owner_(owner) {}

    // Shows the dialog. On confirmation the chosen printer (or PDF file) becomes the current
    // one with its copies, duplex and orientation, and its label text is returned: the
    // printer's name in capitals, or the PDF file's path. Empty text when cancelled.
    QString ShowPrinter();

    std::int16_t min = 0;
    std::int16_t max = 0;
    std::int16_t FromPage = 0;
    std::int16_t ToPage = 0;
    // The range kind the dialog returned last, offered again next time.
    std::int32_t flags = 0;

  private:
    CurrentPrinter& printer_;
    QWidget* owner_;
};

// Makes the printer chosen in a dialog the current one, then gives it the chosen copies,
// duplex and orientation. A printer is found among the installed ones by its name.
void TakePrinterChoice(CurrentPrinter& current, const QPrinter& chosen);

}  // namespace lumeta
