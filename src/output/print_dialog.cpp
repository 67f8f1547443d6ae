#include "output/print_dialog.h"

#include <QPrintDialog>
#include <QPrinter>

#include "output/current_printer.h"
#include "output/print_system.h"

namespace lumeta {

namespace {

// The dialog works on a copy, so a cancelled dialog leaves the current printer untouched.
void CopySettings(CurrentPrinter& current, QPrinter& to) {
    const QPrinter& from = current.Printer();
    if (current.IsPdf()) {
        to.setOutputFormat(QPrinter::PdfFormat);
        to.setOutputFileName(current.PdfFile());
    } else {
        to.setPrinterName(current.DeviceName());
    }
    to.setCopyCount(from.copyCount());
    to.setDuplex(from.duplex());
    to.setPageOrientation(from.pageLayout().orientation());
}

}  // namespace

QString clsPrintDialog::ShowPrinter() {
    QPrinter chosen(QPrinter::HighResolution);
    CopySettings(printer_, chosen);
    chosen.setFromTo(FromPage, ToPage);
    chosen.setPrintRange(static_cast<QPrinter::PrintRange>(flags));

    QPrintDialog dialog(&chosen, owner_);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setMinMax(min, max);
    if (dialog.exec() != QDialog::Accepted) return QString();

    flags = static_cast<std::int32_t>(chosen.printRange());
    FromPage = static_cast<std::int16_t>(chosen.fromPage());
    ToPage = static_cast<std::int16_t>(chosen.toPage());
    TakePrinterChoice(printer_, chosen);
    return printer_.LabelText();
}

void TakePrinterChoice(CurrentPrinter& current, const QPrinter& chosen) {
    if (chosen.outputFormat() == QPrinter::PdfFormat) {
        if (!chosen.outputFileName().isEmpty()) current.UsePdfFile(chosen.outputFileName());
    } else {
        const QString name = chosen.printerName().toUpper();
        if (current.IsPdf() || name != current.DeviceName().toUpper()) {
            for (const QString& installed : current.System().Printers()) {
                if (!installed.isEmpty() && name.contains(installed.toUpper())) {
                    current.UsePrinter(installed);
                    break;
                }
            }
        }
    }
    QPrinter& printer = current.Printer();
    printer.setCopyCount(chosen.copyCount());
    printer.setDuplex(chosen.duplex());
    printer.setPageOrientation(chosen.pageLayout().orientation());
}

}  // namespace lumeta
