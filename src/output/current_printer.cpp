#include "output/current_printer.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "output/print_system.h"
#include "output/print_target.h"

namespace lumeta {

namespace {

// A PDF page is drawn at the resolution of a common office printer.
constexpr int kPdfResolution = 600;

}  // namespace

CurrentPrinter::CurrentPrinter(std::shared_ptr<PrintSystem> system) : system_(std::move(system)) {}

CurrentPrinter::~CurrentPrinter() = default;

void CurrentPrinter::Choose() {
    if (settings_) return;
    settings_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    settings_->setFullPage(true);
    QString chosen = system_->DefaultPrinter();
    if (chosen.isEmpty() && !system_->Printers().isEmpty()) chosen = system_->Printers().first();
    if (chosen.isEmpty() || !UsePrinter(chosen)) UsePdfFile(DefaultPdfFile());
}

QPrinter& CurrentPrinter::Printer() {
    Choose();
    return *settings_;
}

QString CurrentPrinter::DefaultPdfFile() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
    return QDir(folder).filePath(QStringLiteral("lumeta-puzzles.pdf"));
}

bool CurrentPrinter::IsPdf() {
    Choose();
    return printerName_.isEmpty();
}

QString CurrentPrinter::PdfFile() {
    Choose();
    return pdfFile_;
}

void CurrentPrinter::UsePdfFile(const QString& path) {
    Choose();
    printerName_.clear();
    pdfFile_ = QFileInfo(path).absoluteFilePath();
    settings_->setOutputFormat(QPrinter::PdfFormat);
    settings_->setOutputFileName(pdfFile_);
    settings_->setResolution(kPdfResolution);
}

bool CurrentPrinter::UsePrinter(const QString& name) {
    Choose();
    if (name.isEmpty() || !system_->Printers().contains(name)) return false;
    printerName_ = name;
    settings_->setOutputFileName(QString());
    settings_->setOutputFormat(QPrinter::NativeFormat);
    settings_->setPrinterName(name);
    return true;
}

QString CurrentPrinter::DeviceName() {
    return IsPdf() ? PdfFile() : printerName_;
}

QString CurrentPrinter::LabelText() {
    return IsPdf() ? PdfFile() : printerName_.toUpper();
}

std::unique_ptr<PrintTarget> CurrentPrinter::Open(const QString& title) {
    QPrinter& settings = Printer();
    settings.setDocName(title);
    if (IsPdf()) return OpenPdfFile(pdfFile_, settings.pageLayout(), kPdfResolution, title);
    return system_->OpenQueue(printerName_, settings, title);
}

}  // namespace lumeta
