#include "appearance/flat_faces.h"

#include <qdrawutil.h>
#include <QApplication>
#include <QGroupBox>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleOption>

namespace lumeta {

namespace {

// The desktop's style, except that the faces it shades or lightens are painted flat.
class FlatFaceStyle : public QProxyStyle {
  public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        switch (element) {
            case PE_PanelButtonCommand: {
                const bool pressed = option->state & (State_Sunken | State_On);
                qDrawShadePanel(painter, option->rect, option->palette, pressed, 1,
                                &option->palette.brush(QPalette::Button));
                return;
            }
            case PE_FrameGroupBox: {
                // The frame starts below the title, where the desktop's style puts it.
                const auto* box = qobject_cast<const QGroupBox*>(widget);
                const int top =
                    box && !box->title().isEmpty() ? option->fontMetrics.height() + 3 : 0;
                painter->save();
                painter->setPen(option->palette.color(QPalette::Dark));
                painter->drawRect(option->rect.adjusted(0, top, -1, -1));
                painter->restore();
                return;
            }
            case PE_PanelMenu:
                qDrawPlainRect(painter, option->rect, option->palette.color(QPalette::Dark), 1,
                               &option->palette.brush(QPalette::Window));
                return;
            default:
                QProxyStyle::drawPrimitive(element, option, painter, widget);
        }
    }
};

QStyle* FlatStyle() {
    // One for the application, made again should the application be made again.
    static QPointer<FlatFaceStyle> style;
    if (!style) {
        style = new FlatFaceStyle;
        style->setParent(qApp);
    }
    return style;
}

void SetFlat(QWidget* widget) {
    if (widget->style() != FlatStyle()) widget->setStyle(FlatStyle());
}

}  // namespace

void UseFlatFaces(QWidget& window) {
    for (QWidget* widget : window.findChildren<QWidget*>())
        if (qobject_cast<QPushButton*>(widget) || qobject_cast<QGroupBox*>(widget) ||
            qobject_cast<QMenu*>(widget))
            SetFlat(widget);
    if (qobject_cast<QMenu*>(&window)) SetFlat(&window);
}

}  // namespace lumeta
