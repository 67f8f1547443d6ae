#include "output/print_system.h"

#include <QElapsedTimer>
#include <QLibrary>
#include <QPrinter>
#include <QPrinterInfo>
#include <QThread>

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
using CupsLastError = int (*)();
using CupsAddOption = int (*)(const char*, const char*, int, CupsOption**);
using CupsFreeOptions = void (*)(int, CupsOption*);
// The library's own failures (no connection) and a server that cannot serve.
constexpr int kInternalError = 0x0500, kServiceUnavailable = 0x0503;
// A job as cupsGetJobs lists it (cups_job_t).
struct CupsJob {
    int id;
    char* dest;
    char* title;
    char* user;
    char* format;
    int state;
    int size;
    int priority;
    time_t completed, created, processed;
};
using CupsGetJobs = int (*)(CupsJob**, const char*, int, int);
using CupsFreeJobs = void (*)(int, CupsJob*);
constexpr int kJobProcessing = 5, kJobCanceled = 7, kJobAborted = 8, kJobCompleted = 9;
constexpr int kWhichJobsAll = -1;

// How long to watch a job the queue took for the server to cancel or abort it at once (a
// backend or filter that fails): long enough for a local queue to finish or fail, short
// enough not to hold the window for a printer that takes its time.
constexpr int kWatchMilliseconds = 1500;

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

// What became of a job the queue took, in its first moments.
enum class JobFate { Taken, Cancelled, Waiting };

JobFate WatchJob(QLibrary& cups, const QByteArray& queue, int job) {
    const auto getJobs = reinterpret_cast<CupsGetJobs>(cups.resolve("cupsGetJobs"));
    const auto freeJobs = reinterpret_cast<CupsFreeJobs>(cups.resolve("cupsFreeJobs"));
    if (!getJobs || !freeJobs) return JobFate::Taken;
    QElapsedTimer watch;
    watch.start();
    for (;;) {
        CupsJob* jobs = nullptr;
        const int count = getJobs(&jobs, queue.constData(), 0, kWhichJobsAll);
        int state = 0;
        for (int index = 0; index < count; ++index)
            if (jobs[index].id == job) state = jobs[index].state;
        freeJobs(count, jobs);
        if (state == kJobCanceled || state == kJobAborted) return JobFate::Cancelled;
        // Done, or unknown: nothing more to learn. Waiting or printing: watch a while.
        if (state == 0 || state == kJobCompleted) return JobFate::Taken;
        if (watch.elapsed() >= kWatchMilliseconds)
            return state == kJobProcessing ? JobFate::Taken : JobFate::Waiting;
        QThread::msleep(100);
    }
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
    if (job <= 0) {
        problem = QString::fromLocal8Bit(lastError());
        // Without a server the library only knows that its socket is missing.
        const auto status = reinterpret_cast<CupsLastError>(cups.resolve("cupsLastError"));
        if (status && (status() == kInternalError || status() == kServiceUnavailable))
            problem = QStringLiteral("The print server does not answer (%1).").arg(problem);
        return false;
    }
    switch (WatchJob(cups, queue, job)) {
        case JobFate::Cancelled:
            problem = QStringLiteral("The print server cancelled the job.");
            return false;
        case JobFate::Waiting:
            // A printer stopped by an error keeps its jobs until someone starts it again.
            if (QPrinterInfo::printerInfo(printer).state() != QPrinter::Error) return true;
            problem = QStringLiteral("The printer is stopped; the job waits in its queue.");
            return false;
        case JobFate::Taken:
            break;
    }
    return true;
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
