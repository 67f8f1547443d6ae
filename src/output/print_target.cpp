#include "output/print_target.h"

#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryFile>
#include <optional>

#include "puzzlefiles/safe_replace.h"

namespace lumeta {

namespace {

// Pages drawn into a PDF document on a device; the device's first write error sticks.
class PdfPages {
  public:
    PdfPages(const QPageLayout& layout, int resolution, const QString& title)
        : layout_(layout), resolution_(resolution), title_(title) {}

    bool Begin(QIODevice& device, QPainter& painter) {
        writer_.emplace(&device);
        writer_->setCreator(QStringLiteral("Lumeta"));
        writer_->setTitle(title_);
        writer_->setResolution(resolution_);
        writer_->setPageLayout(SheetLayout(layout_));
        return painter.begin(&*writer_);
    }
    bool NewPage() { return writer_ && writer_->newPage(); }
    bool End(QPainter& painter) { return painter.isActive() && painter.end(); }

  private:
    QPageLayout layout_;
    int resolution_;
    QString title_;
    std::optional<QPdfWriter> writer_;
};

// A write-only device over a replaced file: the bytes go to its temporary file.
class ReplacingDevice : public QIODevice {
  public:
    explicit ReplacingDevice(ReplacingFile& file) : file_(file) { open(QIODevice::WriteOnly); }
    bool failed() const { return failed_; }

  protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        if (failed_ || !file_.Write({data, static_cast<std::size_t>(size)})) {
            failed_ = true;
            return -1;
        }
        return size;
    }

  private:
    ReplacingFile& file_;
    bool failed_ = false;
};

class PdfFileTarget : public PrintTarget {
  public:
    PdfFileTarget(const QString& path, const QPageLayout& layout, int resolution,
                  const QString& title)
        : path_(path), pages_(layout, resolution, title) {}

    bool Begin(QPainter& painter) override {
        if (!file_.Open(path_.toLocal8Bit().toStdString())) return Failed();
        device_.emplace(file_);
        return pages_.Begin(*device_, painter) || Failed();
    }
    bool NewPage() override { return (pages_.NewPage() && !device_->failed()) || Failed(); }
    bool Finish(QPainter& painter) override {
        const bool ended = pages_.End(painter);
        if (!ended || !device_ || device_->failed()) return Failed();
        return file_.Commit() || Failed();
    }
    QString Problem() const override { return problem_; }

  private:
    bool Failed() {
        problem_ = QString::fromLocal8Bit(file_.problem().c_str());
        file_.Discard();
        return false;
    }

    QString path_;
    PdfPages pages_;
    ReplacingFile file_;
    std::optional<ReplacingDevice> device_;
    QString problem_;
};

class SpooledPdfTarget : public PrintTarget {
  public:
    SpooledPdfTarget(const QPageLayout& layout, int resolution, const QString& title,
                     HandOnPdf handOn)
        : pages_(layout, resolution, title),
          file_(QDir(QDir::tempPath()).filePath(QStringLiteral("lumeta-print-XXXXXX.pdf"))),
          handOn_(std::move(handOn)) {}

    bool Begin(QPainter& painter) override {
        if (!file_.open()) return Failed(file_.errorString());
        return pages_.Begin(file_, painter) || Failed(file_.errorString());
    }
    bool NewPage() override { return pages_.NewPage() || Failed(file_.errorString()); }
    bool Finish(QPainter& painter) override {
        if (!pages_.End(painter) || !file_.flush()) return Failed(file_.errorString());
        return handOn_(file_.fileName(), problem_);
    }
    QString Problem() const override { return problem_; }

  private:
    bool Failed(const QString& why) {
        problem_ = why;
        return false;
    }

    PdfPages pages_;
    QTemporaryFile file_;
    HandOnPdf handOn_;
    QString problem_;
};

}  // namespace

QPageLayout SheetLayout(const QPageLayout& printerLayout) {
    QPageLayout sheet(printerLayout.pageSize(), printerLayout.orientation(), QMarginsF(),
                      QPageLayout::Point);
    sheet.setMode(QPageLayout::FullPageMode);
    return sheet;
}

std::unique_ptr<PrintTarget> OpenPdfFile(const QString& path, const QPageLayout& layout,
                                         int resolution, const QString& title) {
    return std::make_unique<PdfFileTarget>(path, layout, resolution, title);
}

std::unique_ptr<PrintTarget> OpenSpooledPdf(const QPageLayout& layout, int resolution,
                                            const QString& title, HandOnPdf handOn) {
    return std::make_unique<SpooledPdfTarget>(layout, resolution, title, std::move(handOn));
}

}  // namespace lumeta
