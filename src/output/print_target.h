#pragma once

#include <QPageLayout>
#include <QString>
#include <functional>
#include <memory>

class QPainter;

namespace lumeta {

// Where the pages of one print go. Begin starts the document with the painter on its first
// page, NewPage moves on, Finish ends it and hands it on as a whole: into the queue of a
// printer, or under the name of a PDF file. A failed step leaves nothing behind (an earlier
// PDF file stays as it was) and Problem says why in the system's words.
class PrintTarget {
  public:
    virtual ~PrintTarget() = default;
    virtual bool Begin(QPainter& painter) = 0;
    virtual bool NewPage() = 0;
    virtual bool Finish(QPainter& painter) = 0;
    virtual QString Problem() const = 0;
};

// Every page is laid out on the whole sheet, whatever margins a printer keeps for itself,
// so the blocks stand at the same place on every printer and in every PDF file.
QPageLayout SheetLayout(const QPageLayout& printerLayout);

// A PDF file, replaced as a whole once the document is finished (through a temporary file
// beside it); a folder, device, FIFO or read-only file at its name is refused at Begin
// without being opened.
std::unique_ptr<PrintTarget> OpenPdfFile(const QString& path, const QPageLayout& layout,
                                         int resolution, const QString& title);

// A document drawn into a PDF file in the temporary folder and handed to `handOn` once it
// is finished (for a print queue); the file is removed afterwards. `handOn` returns false
// and says why when the document did not get where it was going.
using HandOnPdf = std::function<bool(const QString& file, QString& problem)>;
std::unique_ptr<PrintTarget> OpenSpooledPdf(const QPageLayout& layout, int resolution,
                                            const QString& title, HandOnPdf handOn);

}  // namespace lumeta
