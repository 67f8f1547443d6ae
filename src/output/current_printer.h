#pragma once

#include <QPrinter>
#include <QString>
#include <memory>

class QPrinterInfo;

namespace lumeta {

// The printer every print goes to. On a machine without a printer it is a PDF file, so
// nothing is ever printed into nowhere; the player may pick another file or a printer that
// appears later.
class CurrentPrinter {
  public:
    // The system's default printer, else the first one installed, else a PDF file in the
    // player's documents folder.
    CurrentPrinter();

    QPrinter& Printer() { return *printer_; }
    const QPrinter& Printer() const { return *printer_; }

    bool IsPdf() const { return printer_->outputFormat() == QPrinter::PdfFormat; }
    QString PdfFile() const { return printer_->outputFileName(); }
    void UsePdfFile(const QString& path);
    void UsePrinter(const QPrinterInfo& printer);

    // The printer's name, or the PDF file's path.
    QString DeviceName() const;
    // What the print window shows: the printer's name in capitals, or the PDF file's path.
    QString LabelText() const;

    static QString DefaultPdfFile();

  private:
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace lumeta
