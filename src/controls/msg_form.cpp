#include "controls/msg_form.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <algorithm>

#include "controls/colour_value.h"
#include "controls/dialog_frame.h"
#include "controls/message_icons.h"
#include "controls/twips.h"

namespace lumeta {

namespace {

// What each icon says, for a screen reader.
constexpr std::array<const char*, kMessageIconSlots> kIconNames = {
    "Question",    "Warning", "Information", "Error",   "Critical error", "Well done",
    "Wastebasket", "Printer", "Hint",        "No icon", "No icon"};

// Positions and sizes of the controls, in twips.
constexpr double kLabelLeft = 930;
constexpr double kLabelTop = 420;
constexpr double kIconLeft = 240;
constexpr double kIconTop = 210;
constexpr double kIconSize = 480;
constexpr double kButtonWidth = 885;
constexpr double kButtonHeight = 345;

// A list box's default background, which the window and its buttons start with.
constexpr std::uint32_t kWindowColour = kSystemColourBit | 5;

// One line per line break, whatever the break is made of.
QStringList PromptLines(const QString& prompt) {
    QString text = prompt;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text.split(QLatin1Char('\n'));
}

// The prompt with every line wider than `widest` pixels broken, after a blank or a "/"
// where one is near the end, else anywhere: a long path wraps instead of widening the box
// beyond the screen.
QString WrapPrompt(const QString& prompt, const QFontMetrics& metrics, int widest) {
    QStringList lines;
    for (QString line : PromptLines(prompt)) {
        while (line.size() > 1 && metrics.horizontalAdvance(line) > widest) {
            qsizetype fits = 1;
            while (fits < line.size() && metrics.horizontalAdvance(line.left(fits + 1)) <= widest)
                ++fits;
            qsizetype cut = fits;
            for (qsizetype at = fits; at > fits / 2; --at)
                if (line[at - 1] == QLatin1Char(' ') || line[at - 1] == QLatin1Char('/')) {
                    cut = at;
                    break;
                }
            lines << line.left(cut);
            line = line.mid(cut);
        }
        lines << line;
    }
    return lines.join(QLatin1Char('\n'));
}

// System colours come from the application's palette (the window's own carries the colours
// set here), the same whether or not the window is active.
QPalette SystemPalette() {
    QPalette palette = QApplication::palette();
    palette.setCurrentColorGroup(QPalette::Active);
    return palette;
}

}  // namespace

MsgForm::MsgForm(const ColourScheme& scheme, QWidget* parent)
    : QDialog(parent),
      scheme_(scheme),
      backColor_(kWindowColour),
      buttonColor_(kWindowColour),
      foreColor_(0) {
    setObjectName(QStringLiteral("MsgForm"));
    setWindowFlags(DialogFrame());
    setModal(true);
    setWindowTitle(QGuiApplication::applicationDisplayName());
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(9);
    font.setBold(false);
    setFont(font);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);  // prompts may hold file names with "<" or "&"
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setWordWrap(false);

    for (int slot = 0; slot < kMessageIconSlots; ++slot) {
        icons[slot] = new QLabel(this);
        icons[slot]->setObjectName(QStringLiteral("icons%1").arg(slot));
        icons[slot]->setAccessibleName(QLatin1String(kIconNames[slot]));
        icons[slot]->hide();
    }

    for (int index = 0; index < kMessageButtons; ++index) {
        QPushButton* button = new QPushButton(this);
        button->setObjectName(QStringLiteral("cmd%1").arg(index));
        // The window has no default button: Enter acts on the focused button only.
        button->setAutoDefault(false);
        button->setDefault(false);
        button->setFocusPolicy(Qt::StrongFocus);
        button->installEventFilter(this);
        connect(button, &QPushButton::clicked, this, [this, index] { Choose(index); });
        cmd[index] = button;
    }

    setTabOrder(cmd[0], cmd[1]);
    setTabOrder(cmd[1], cmd[2]);
}

void MsgForm::ApplyLook() {
    if (buttonColor_ == 0) buttonColor_ = scheme_.ButtonColour();
    const QPalette palette = SystemPalette();
    const QColor background = ColourFromValue(backColor_, palette);
    const QColor buttonColour = ColourFromValue(buttonColor_, palette);

    QPalette windowPalette = this->palette();
    windowPalette.setColor(QPalette::Window, background);
    setPalette(windowPalette);
    setAutoFillBackground(true);

    QPalette labelPalette = Label1->palette();
    labelPalette.setColor(QPalette::Window, background);
    labelPalette.setColor(QPalette::WindowText, ColourFromValue(foreColor_, palette));
    Label1->setPalette(labelPalette);
    Label1->setAutoFillBackground(true);
    Label1->setFont(font());

    QFont buttonFont = font();
    buttonFont.setPointSizeF(std::max(1.0, font().pointSizeF() - 1));
    for (QPushButton* button : cmd) {
        QPalette buttonPalette = button->palette();
        buttonPalette.setColor(QPalette::Button, buttonColour);
        button->setPalette(buttonPalette);
        button->setFont(buttonFont);
    }
}

void MsgForm::HideIcons() {
    for (QLabel* icon : icons)
        icon->hide();
}

void MsgForm::ShowIcon(int slot) {
    const TwipScale scale = TwipScale::ForWidget(this);
    const QRect area = scale.Pixels(kIconLeft, kIconTop, kIconSize, kIconSize);
    QLabel* icon = icons[slot];
    icon->setGeometry(area);
    icon->setPixmap(MessageIconPixmap(slot, area.width(), devicePixelRatioF()));
    icon->show();
}

void MsgForm::SetButton(int index, const QString& caption, const QString& tag) {
    cmd[index]->setText(caption);
    cmdTags_[index] = tag;
}

int MsgForm::MsgboxA(const QString& prompt, const QString& style) {
    ApplyLook();
    prompt_ = FitPrompt(prompt, 2 * kLabelLeft);
    Label1->setText(prompt_);

    HideIcons();
    ButtonLast = -1;
    const MessageStyle read = ReadMessageStyle(style);
    for (int slot = 0; slot < kMessageIconSlots; ++slot)
        if (read.icons[slot]) ShowIcon(slot);
    for (const MessageButton& button : read.buttons) {
        ++ButtonLast;
        SetButton(ButtonLast, button.caption, button.tag);
    }
    if (ButtonLast == -1) {
        ButtonLast = 0;
        SetButton(0, QStringLiteral("Ok"), QStringLiteral("1"));
    }

    LayoutMessage(ButtonLast);
    CentreOnOwner();
    exec();
    return Answer;
}

QString MsgForm::FitPrompt(const QString& prompt, double margins) const {
    const QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
    const TwipScale scale = TwipScale::ForWidget(this);
    const QMargins frame = FrameMargins();
    const int available = shown->availableGeometry().width() - frame.left() - frame.right();
    const int widest = std::max(1, available - scale.PixelsX(margins));
    return WrapPrompt(prompt, QFontMetrics(font(), this), widest);
}

QMargins MsgForm::FrameMargins() const {
    return windowHandle() ? windowHandle()->frameMargins() : QMargins();
}

void MsgForm::SetOuterSize(QSize outer) {
    outerSize_ = outer;
    FitOuterSize();
}

void MsgForm::FitOuterSize() {
    // The layout's sizes include the frame and title bar, which the window manager adds
    // around the inner area; their size is known only once the window has a frame.
    if (outerSize_.isEmpty()) return;
    const QMargins frame = FrameMargins();
    const QSize inner = outerSize_.shrunkBy(frame);
    const bool resized = inner != size();
    if (resized) setFixedSize(inner);
    // Placed again once the frame is known, as the box it centres has changed.
    if (isVisible() && (resized || frame != centredFrame_)) CentreOnOwner();
}

void MsgForm::CentreOnOwner() {
    // Placed by the box itself every time, once its size is known: the toolkit's own
    // placement runs only on the first showing and may run before the size is final.
    const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    if (owner && !owner->isVisible()) owner = nullptr;
    const QScreen* shown = owner ? owner->screen() : nullptr;
    if (!shown) shown = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!shown) return;
    const QRect area = shown->availableGeometry();
    // Before the box is first shown its frame is not known: the owner's is the best guess.
    centredFrame_ = FrameMargins();
    QMargins frame = centredFrame_;
    if (frame.isNull() && owner) {
        const QRect outer = owner->frameGeometry(), inner = owner->geometry();
        frame = QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    }
    QRect box(QPoint(0, 0), size().grownBy(frame));
    box.moveCenter(owner ? owner->frameGeometry().center() : area.center());
    // The title bar first: a box taller or wider than the screen keeps its top left on it.
    box.moveLeft(std::max(area.left(), std::min(box.left(), area.right() + 1 - box.width())));
    box.moveTop(std::max(area.top(), std::min(box.top(), area.bottom() + 1 - box.height())));
    move(box.topLeft());  // a window's position is its frame's
}

bool MsgForm::event(QEvent* event) {
    const bool handled = QDialog::event(event);
    // The frame arrives some time after the window is shown: by the first move or
    // activation the window manager has put it round the window.
    if (event->type() == QEvent::Move || event->type() == QEvent::WindowActivate) FitOuterSize();
    return handled;
}

double MsgForm::PromptWidth(const QString& prompt) const {
    const QFontMetrics metrics(font(), this);
    int widest = 0;
    for (const QString& line : PromptLines(prompt))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return TwipScale::ForWidget(this).TwipsX(widest);
}

double MsgForm::PromptHeight(const QString& prompt) const {
    const QFontMetrics metrics(font(), this);
    const qsizetype lines = PromptLines(prompt).size();
    return TwipScale::ForWidget(this).TwipsY(static_cast<double>(lines) * metrics.height());
}

void MsgForm::LayoutMessage(int last) {
    const TwipScale scale = TwipScale::ForWidget(this);
    const double labelWidth = PromptWidth(prompt_);
    double width = 2 * kLabelLeft + labelWidth;
    if (3 * kButtonWidth > width) width = 3 * kButtonWidth;

    const double labelHeight = PromptHeight(prompt_) + 120;
    Label1->setGeometry(scale.Pixels(kLabelLeft, kLabelTop, labelWidth, labelHeight));
    const double buttonTop = kLabelTop + labelHeight + 120;
    const double height = buttonTop + kButtonHeight + 600;

    for (QPushButton* button : cmd) {
        button->hide();
        button->setDown(false);
    }
    const int used = std::clamp(last, 0, kMessageButtons - 1) + 1;
    const double firstLeft = (width - used * kButtonWidth) / 2;
    for (int index = 0; index < used; ++index) {
        cmd[index]->setGeometry(
            scale.Pixels(firstLeft + index * kButtonWidth, buttonTop, kButtonWidth, kButtonHeight));
        cmd[index]->show();
    }
    SetOuterSize({scale.PixelsX(width), scale.PixelsY(height)});
}

void MsgForm::Choose(int index) {
    cmd[index]->setDown(false);
    Answer = cmdTags_[index].toInt();
    done(QDialog::Accepted);
}

int MsgForm::CloseAnswer() const {
    // A box closed without an answer must never count as a Yes: it answers as its Cancel
    // button would, else as its No button, else as its only or first button.
    const int used = std::clamp(ButtonLast, 0, kMessageButtons - 1) + 1;
    for (const char* wanted : {"2", "7"})
        for (int index = 0; index < used; ++index)
            if (cmdTags_[index] == QLatin1String(wanted)) return cmdTags_[index].toInt();
    return cmdTags_[0].toInt();
}

void MsgForm::reject() {
    Answer = CloseAnswer();
    done(QDialog::Rejected);
}

bool MsgForm::eventFilter(QObject* watched, QEvent* event) {
    const auto found = std::find(cmd.begin(), cmd.end(), watched);
    if (found == cmd.end()) return QDialog::eventFilter(watched, event);
    const int index = static_cast<int>(found - cmd.begin());

    switch (event->type()) {
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                Choose(index);
                return true;
            }
            // Focus keys still move between the controls; every other key is discarded,
            // Escape and the space bar included.
            const bool moveFocus = key == Qt::Key_Tab || key == Qt::Key_Backtab ||
                                   key == Qt::Key_Left || key == Qt::Key_Right ||
                                   key == Qt::Key_Up || key == Qt::Key_Down;
            return !moveFocus;
        }
        case QEvent::KeyRelease:
            cmd[index]->setDown(false);
            return true;
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            cmd[index]->setDown(false);
            return false;
        default:
            return false;
    }
}

void MsgForm::keyPressEvent(QKeyEvent* event) {
    // No cancel button: Escape leaves the box open.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void MsgForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FitOuterSize();
    cmd[0]->setFocus();
}

}  // namespace lumeta
