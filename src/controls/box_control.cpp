#include "controls/box_control.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "controls/colour_value.h"
#include "controls/input_codes.h"
#include "controls/twips.h"

namespace lumeta {

namespace {

constexpr double kDarkEdgeInset = 20;  // twips inside the right and bottom borders
constexpr double kPictureShift = 24;   // twips up and left of the picture's rule position
constexpr double kHimetricPerInch = 2540;
constexpr double kTwipsPerInch = 1440;

}  // namespace

namespace {

// Screen readers see the button as a push button that can be pressed, named by its
// accessible name, else its caption, else its tooltip.
class BoxAccessible : public QAccessibleWidget {
  public:
    explicit BoxAccessible(BoxControl* box) : QAccessibleWidget(box, QAccessible::Button) {}
    QString text(QAccessible::Text t) const override {
        // Not the frame's title, which the toolkit would fall back on.
        const auto* box = static_cast<const BoxControl*>(widget());
        if (t != QAccessible::Name) return QAccessibleWidget::text(t);
        if (!box->accessibleName().isEmpty()) return box->accessibleName();
        return box->Caption().isEmpty() ? box->toolTip() : box->Caption();
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.pressed = static_cast<const BoxControl*>(widget())->BorderStyle() == 1;
        return state;
    }
    QStringList actionNames() const override {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction() && widget()->isEnabled())
            static_cast<BoxControl*>(widget())->Press();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* BoxAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("lumeta::BoxControl") && object && object->isWidgetType())
        return new BoxAccessible(static_cast<BoxControl*>(object));
    return nullptr;
}

}  // namespace

BoxControl::BoxControl(QWidget* parent) : QWidget(parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(BoxAccessibleFactory);
        return true;
    }();
    (void)factoryInstalled;
    // A new button takes its holder's font at 8 points, plain.
    QFont start = parent ? parent->font() : QApplication::font();
    start.setPointSizeF(8);
    start.setBold(false);
    start.setItalic(false);
    setFont(start);
    // Tab reaches the button; clicking it must not take the keyboard away from the board.
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoxControl::SetForeColor(std::uint32_t colour) {
    foreColor_ = colour;
    update();
}

void BoxControl::SetFont(const QFont& font) {
    setFont(font);
    update();
}

void BoxControl::SetCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void BoxControl::SetFontSize(float points) {
    if (points <= 0) return;
    QFont changed = font();
    changed.setPointSizeF(points);
    SetFont(changed);
}

void BoxControl::SetFontBold(bool bold) {
    QFont changed = font();
    changed.setBold(bold);
    SetFont(changed);
}

void BoxControl::SetFontItalic(bool italic) {
    QFont changed = font();
    changed.setItalic(italic);
    SetFont(changed);
}

void BoxControl::SetBackColor(std::uint32_t colour) {
    backColor_ = colour;
    update();
}

void BoxControl::SetPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void BoxControl::SetBorderStyle(int style) {
    if (borderStyle_ == style) return;
    borderStyle_ = style;
    update();  // the drawing area shrinks or grows by the border
}

QSize BoxControl::PictureHimetric() const {
    if (picture_.isNull()) return {};
    const TwipScale scale = TwipScale::ForWidget(this);
    const QSizeF logical = picture_.deviceIndependentSize();
    const double perTwip = kHimetricPerInch / kTwipsPerInch;
    return {RoundHalfEven(logical.width() * scale.TwipsPerPixelX * perTwip),
            RoundHalfEven(logical.height() * scale.TwipsPerPixelY * perTwip)};
}

QPointF BoxControl::PicturePosition(double width, double height) const {
    // Half a HIMETRIC size stands in for the size in twips.
    const QSize himetric = PictureHimetric();
    return {(width - himetric.width() / 2.0) / 2 - kPictureShift,
            (height - himetric.height() / 2.0) / 2 - kPictureShift};
}

QSize BoxControl::sizeHint() const {
    const QFontMetrics metrics(font(), this);
    return {metrics.horizontalAdvance(caption_) + 2 * metrics.height(), 2 * metrics.height()};
}

void BoxControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Resolve system colours from the active palette, so a disabled button looks the same.
    QPalette palette = this->palette();
    palette.setCurrentColorGroup(QPalette::Active);

    QRect area = rect();
    if (borderStyle_ == 1) {
        painter.fillRect(area, Qt::black);
        area.adjust(1, 1, -1, -1);
    }
    painter.translate(area.topLeft());
    painter.setClipRect(QRect(QPoint(0, 0), area.size()));
    const TwipScale scale = TwipScale::ForWidget(this);
    const double width = scale.TwipsX(area.width());
    const double height = scale.TwipsY(area.height());

    painter.fillRect(QRect(QPoint(0, 0), area.size()), ColourFromValue(backColor_, palette));

    if (!caption_.isEmpty()) {
        const QFontMetrics metrics(font(), this);
        const int textWidth = RoundHalfEven(scale.TwipsX(metrics.horizontalAdvance(caption_)));
        const int textHeight = RoundHalfEven(scale.TwipsY(metrics.height()));
        const QPoint at = scale.Pixels((width - textWidth) / 2, (height - textHeight) / 2);
        painter.setFont(font());
        painter.setPen(ColourFromValue(foreColor_, palette));
        painter.drawText(at.x(), at.y() + metrics.ascent(), caption_);
    }

    // Light edge along the top and left; the dark edge stands 20 twips inside the right
    // and bottom.
    painter.fillRect(0, 0, 1, area.height(), Qt::white);
    painter.fillRect(0, 0, area.width(), 1, Qt::white);
    const int right = scale.PixelsX(width - kDarkEdgeInset);
    const int bottom = scale.PixelsY(height - kDarkEdgeInset);
    const int top = scale.PixelsY(kDarkEdgeInset);
    const int left = scale.PixelsX(kDarkEdgeInset);
    painter.fillRect(right, top, 1, bottom - top + 1, Qt::black);
    painter.fillRect(left, bottom, right - left + 1, 1, Qt::black);

    if (!picture_.isNull()) {
        const QPointF at = PicturePosition(width, height);
        painter.drawPixmap(scale.Pixels(at.x(), at.y()), picture_);
    }

    if (hasFocus()) {
        // A dotted frame inside the edges, in the caption's colour.
        QPen frame(ColourFromValue(foreColor_, palette), 1, Qt::DotLine);
        painter.setPen(frame);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(2.5, 2.5, area.width() - 6, area.height() - 6));
    }
}

void BoxControl::Press() {
    SetBorderStyle(1);
    emit MouseDown(1, 0, 0, 0);
    SetBorderStyle(0);
    emit MouseUp(1, 0, 0, 0);
}

bool BoxControl::PressKey(const QKeyEvent& event) {
    const int key = event.key();
    return (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) &&
           (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

void BoxControl::keyPressEvent(QKeyEvent* event) {
    if (!PressKey(*event)) return QWidget::keyPressEvent(event);
    event->accept();
    if (event->isAutoRepeat() || keyHeld_) return;
    keyHeld_ = true;
    SetBorderStyle(1);
    emit MouseDown(1, 0, 0, 0);
}

void BoxControl::keyReleaseEvent(QKeyEvent* event) {
    if (!PressKey(*event)) return QWidget::keyReleaseEvent(event);
    event->accept();
    if (event->isAutoRepeat() || !keyHeld_) return;
    keyHeld_ = false;
    SetBorderStyle(0);
    emit MouseUp(1, 0, 0, 0);
}

void BoxControl::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void BoxControl::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    // A key press the focus left behind ends here, so the button does not stay down.
    if (keyHeld_) {
        keyHeld_ = false;
        SetBorderStyle(0);
        emit MouseUp(1, 0, 0, 0);
    }
    update();
}

void BoxControl::mousePressEvent(QMouseEvent* event) {
    SetBorderStyle(1);
    const TwipScale scale = TwipScale::ForWidget(this);
    const QPointF at = event->position();
    emit MouseDown(MouseButtonCode(event->button()), ShiftCode(event->modifiers()),
                   static_cast<float>(scale.TwipsX(at.x())),
                   static_cast<float>(scale.TwipsY(at.y())));
}

void BoxControl::mouseReleaseEvent(QMouseEvent* event) {
    // The release comes here even when the pointer has left the button meanwhile.
    SetBorderStyle(0);
    const TwipScale scale = TwipScale::ForWidget(this);
    const QPointF at = event->position();
    emit MouseUp(MouseButtonCode(event->button()), ShiftCode(event->modifiers()),
                 static_cast<float>(scale.TwipsX(at.x())),
                 static_cast<float>(scale.TwipsY(at.y())));
}

}  // namespace lumeta
