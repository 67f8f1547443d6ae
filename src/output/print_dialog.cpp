#include "output/print_dialog.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "output/current_printer.h"

namespace lumeta {

namespace {

// The dialog works on a copy, so a cancelled dialog leaves the current printer untouched.
void CopySettings(const QPrinter& from, QPrinter& to) {
    if (from.outputFormat() == QPrinter::PdfFormat) {
        to.setOutputFormat(QPrinter::PdfFormat);
        to.setOutputFileName(from.outputFileName());
    } else {
        to.setPrinterName(from.printerName());
    }
    to.setCopyCount(from.copyCount());
    to.setDuplex(from.duplex());
    to.setPageOrientation(from.pageLayout().orientation());
}

}  // namespace

QString clsPrintDialog::ShowPrinter() {
    QPrinter chosen(QPrinter::HighResolution);
    CopySettings(printer_.Printer(), chosen);
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
        if (current.IsPdf() || name != current.Printer().printerName().toUpper()) {
            for (const QPrinterInfo& installed : QPrinterInfo::availablePrinters()) {
                const QString installedName = installed.printerName().toUpper();
                if (!installedName.isEmpty() && name.contains(installedName)) {
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
