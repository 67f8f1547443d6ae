#include "appearance/lazy_icons.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>

namespace lumeta {

namespace {

// An icon read from the style the first time anything asks about its pictures.
class PromisedIconEngine : public QIconEngine {
  public:
    PromisedIconEngine(QStyle* style, QStyle::StandardPixmap which)
        : style_(style), which_(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return Icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return Icon().availableSizes(mode, state);
    }
    QIconEngine* clone() const override {
        auto* copy = new PromisedIconEngine(style_, which_);
        copy->read_ = read_;
        copy->icon_ = icon_;
        return copy;
    }
    QString key() const override { return QStringLiteral("lumeta-promised"); }

  private:
    const QIcon& Icon() {
        if (!read_) {
            read_ = true;
            if (style_) icon_ = style_->standardIcon(which_);
        }
        return icon_;
    }

    QPointer<QStyle> style_;
    QStyle::StandardPixmap which_;
    bool read_ = false;
    QIcon icon_;
};

class LazyExtensionIconStyle : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (which == SP_ToolBarHorizontalExtensionButton ||
            which == SP_ToolBarVerticalExtensionButton)
            return QIcon(new PromisedIconEngine(baseStyle(), which));
        return QProxyStyle::standardIcon(which, option, widget);
    }
};

}  // namespace

void UseLazyExtensionIcons() {
    QStyle* style = QApplication::style();  // the desktop's, or the one the command line named
    if (dynamic_cast<LazyExtensionIconStyle*>(style)) return;
    QApplication::setStyle(new LazyExtensionIconStyle(style));
}

}  // namespace lumeta
