#include "app/first_paint.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <utility>

namespace lumeta {

namespace {

// Waits for the window to be shown, then for its surface to be first exposed: the widgets
// are painted and the picture flushed while that expose is handled.
class FirstPaintWatch : public QObject {
  public:
    FirstPaintWatch(QWidget& window, std::function<void()> work)
        : QObject(&window), window_(window), work_(std::move(work)) {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Show && !surface_) {
            surface_ = window_.windowHandle();
            if (surface_) {
                window_.removeEventFilter(this);
                surface_->installEventFilter(this);
            }
        } else if (watched == surface_ && event->type() == QEvent::Expose &&
                   surface_->isExposed()) {
            surface_->removeEventFilter(this);
            // The first hop lands among the events that were waiting when the picture went
            // out, the second after them.
            QTimer::singleShot(0, this, [this] {
                QTimer::singleShot(0, this, [this] {
                    work_();
                    deleteLater();
                });
            });
        }
        return false;
    }

  private:
    QWidget& window_;
    std::function<void()> work_;
    QPointer<QWindow> surface_;
};

}  // namespace

void AfterFirstPaint(QWidget& window, std::function<void()> work) {
    new FirstPaintWatch(window, std::move(work));
}

}  // namespace lumeta
