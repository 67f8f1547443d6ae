#pragma once

#include <QFile>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QRegularExpression>

#include "output/print_system.h"
#include "output/print_target.h"

namespace lumeta::testing {

// A print system with the printers a test names, none by default. Its queues take
// documents as PDF files, or fail at the step a test chooses, as a print server may.
class FakePrintSystem : public PrintSystem {
  public:
    enum class FailAt { Nothing, Begin, NewPage, Finish };

    QStringList printers;
    QString defaultPrinter;
    FailAt failAt = FailAt::Nothing;
    QString problem = "The printer does not answer.";
    // What reached the queues: job titles and their pages.
    QStringList titles;
    int pagesQueued = 0;

    QStringList Printers() const override { return printers; }
    QString DefaultPrinter() const override { return defaultPrinter; }
    std::unique_ptr<PrintTarget> OpenQueue(const QString&, const QPrinter& settings,
                                           const QString& title) override {
        if (failAt == FailAt::Begin || failAt == FailAt::NewPage)
            return std::make_unique<FailingTarget>(*this);
        return OpenSpooledPdf(settings.pageLayout(), 72, title,
                              [this, title](const QString& file, QString& why) {
                                  if (failAt == FailAt::Finish) {
                                      why = problem;
                                      return false;
                                  }
                                  titles << title;
                                  pagesQueued += PdfPages(file);
                                  return true;
                              });
    }

    static int PdfPages(const QString& path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) return -1;
        return static_cast<int>(
            QString::fromLatin1(file.readAll()).count(QRegularExpression("/Type\\s*/Page[^s]")));
    }

  private:
    class FailingTarget : public PrintTarget {
      public:
        explicit FailingTarget(FakePrintSystem& system) : system_(system) {}
        bool Begin(QPainter& painter) override {
            return system_.failAt != FailAt::Begin && painter.begin(&picture_);
        }
        bool NewPage() override { return system_.failAt != FailAt::NewPage; }
        bool Finish(QPainter& painter) override { return painter.end(); }
        QString Problem() const override { return system_.problem; }

      private:
        FakePrintSystem& system_;
        QPicture picture_;
    };
};

}  // namespace lumeta::testing
