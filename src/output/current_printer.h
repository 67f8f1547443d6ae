#pragma once

#include <QPrinter>
#include <QString>
#include <memory>

namespace lumeta {

class PrintSystem;
class PrintTarget;

// The printer every print goes to. On a machine without a printer it is a PDF file, so
// nothing is ever printed into nowhere; the player may pick another file or a printer that
// appears later. The print system is asked only on first use.
class CurrentPrinter {
  public:
    // The system's default printer, else the first one installed, else a PDF file in the
    // player's documents folder.
    explicit CurrentPrinter(std::shared_ptr<PrintSystem> system);
    ~CurrentPrinter();

    // The settings a print takes: page layout, copies, duplex, orientation.
    QPrinter& Printer();
    PrintSystem& System() { return *system_; }

    bool IsPdf();
    QString PdfFile();
    void UsePdfFile(const QString& path);
    // Makes an installed printer the current one; false for a name the system does not list.
    bool UsePrinter(const QString& name);

    // The printer's name, or the PDF file's path.
    QString DeviceName();
    // What the print window shows: the printer's name in capitals, or the PDF file's path.
    QString LabelText();

    // A document on the current printer or PDF file, its job named `title`.
    std::unique_ptr<PrintTarget> Open(const QString& title);

    static QString DefaultPdfFile();

  private:
    void Choose();

    std::shared_ptr<PrintSystem> system_;
    std::unique_ptr<QPrinter> settings_;
    QString printerName_;  // empty while printing into the PDF file
    QString pdfFile_;
};

}  // namespace lumeta
