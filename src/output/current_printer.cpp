#include "output/current_printer.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace lumeta {

namespace {

// A PDF page is drawn at the resolution of a common office printer.
constexpr int kPdfResolution = 600;

}  // namespace

CurrentPrinter::CurrentPrinter() : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    QPrinterInfo chosen = QPrinterInfo::defaultPrinter();
    if (chosen.isNull()) {
        const QList<QPrinterInfo> installed = QPrinterInfo::availablePrinters();
        if (!installed.isEmpty()) chosen = installed.first();
    }
    if (chosen.isNull())
        UsePdfFile(DefaultPdfFile());
    else
        UsePrinter(chosen);
}

QString CurrentPrinter::DefaultPdfFile() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
    return QDir(folder).filePath(QStringLiteral("lumeta-puzzles.pdf"));
}

void CurrentPrinter::UsePdfFile(const QString& path) {
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setOutputFileName(QFileInfo(path).absoluteFilePath());
    printer_->setResolution(kPdfResolution);
}

void CurrentPrinter::UsePrinter(const QPrinterInfo& printer) {
    printer_->setOutputFileName(QString());
    printer_->setOutputFormat(QPrinter::NativeFormat);
    printer_->setPrinterName(printer.printerName());
}

QString CurrentPrinter::DeviceName() const {
    return IsPdf() ? PdfFile() : printer_->printerName();
}

QString CurrentPrinter::LabelText() const {
    return IsPdf() ? PdfFile() : printer_->printerName().toUpper();
}

}  // namespace lumeta
