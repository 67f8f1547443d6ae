#include "output/print_system.h"

#include <QLibrary>
#include <QPrinter>
#include <QPrinterInfo>

#include "output/print_target.h"

namespace lumeta {

namespace {

// The few calls of the CUPS library the queue needs, found at run time in the library the
// print support already uses: the program needs no CUPS headers to build.
struct CupsOption {
    char* name;
    char* value;
};
using CupsPrintFile = int (*)(const char*, const char*, const char*, int, CupsOption*);
using CupsLastErrorString = const char* (*)();
using CupsAddOption = int (*)(const char*, const char*, int, CupsOption**);
using CupsFreeOptions = void (*)(int, CupsOption*);

// A PDF is drawn at the resolution of a common office printer.
constexpr int kSpoolResolution = 600;

const char* Sides(QPrinter::DuplexMode duplex) {
    switch (duplex) {
        case QPrinter::DuplexLongSide:
            return "two-sided-long-edge";
        case QPrinter::DuplexShortSide:
            return "two-sided-short-edge";
        case QPrinter::DuplexAuto:
            return nullptr;  // the printer's own setting
        case QPrinter::DuplexNone:
            break;
    }
    return "one-sided";
}

// Hands a PDF file to a CUPS queue; true once the queue took it as a job.
bool SubmitToCups(const QString& printer, const QString& file, const QString& title, int copies,
                  QPrinter::DuplexMode duplex, QString& problem) {
    QLibrary cups(QStringLiteral("cups"), 2);
    const auto print = reinterpret_cast<CupsPrintFile>(cups.resolve("cupsPrintFile"));
    const auto lastError =
        reinterpret_cast<CupsLastErrorString>(cups.resolve("cupsLastErrorString"));
    const auto addOption = reinterpret_cast<CupsAddOption>(cups.resolve("cupsAddOption"));
    const auto freeOptions = reinterpret_cast<CupsFreeOptions>(cups.resolve("cupsFreeOptions"));
    if (!print || !lastError || !addOption || !freeOptions) {
        problem = QStringLiteral("The print service (CUPS) is not available.");
        return false;
    }
    int count = 0;
    CupsOption* options = nullptr;
    const QByteArray copyText = QByteArray::number(std::max(1, copies));
    count = addOption("copies", copyText.constData(), count, &options);
    if (const char* sides = Sides(duplex)) count = addOption("sides", sides, count, &options);
    // A printer instance ("name/instance") prints on its printer's queue.
    const QByteArray queue = printer.section(QLatin1Char('/'), 0, 0).toLocal8Bit();
    const int job = print(queue.constData(), file.toLocal8Bit().constData(),
                          title.toLocal8Bit().constData(), count, options);
    freeOptions(count, options);
    if (job > 0) return true;
    problem = QString::fromLocal8Bit(lastError());
    return false;
}

class CupsPrintSystem : public PrintSystem {
  public:
    QStringList Printers() const override { return QPrinterInfo::availablePrinterNames(); }
    QString DefaultPrinter() const override { return QPrinterInfo::defaultPrinterName(); }
    std::unique_ptr<PrintTarget> OpenQueue(const QString& printer, const QPrinter& settings,
                                           const QString& title) override {
        const int copies = settings.copyCount();
        const QPrinter::DuplexMode duplex = settings.duplex();
        return OpenSpooledPdf(settings.pageLayout(), kSpoolResolution, title,
                              [=](const QString& file, QString& problem) {
                                  return SubmitToCups(printer, file, title, copies, duplex,
                                                      problem);
                              });
    }
};

}  // namespace

std::shared_ptr<PrintSystem> SystemPrintService() {
    return std::make_shared<CupsPrintSystem>();
}

}  // namespace lumeta
