#include "controls/fn_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>

#include "controls/colour_value.h"
#include "controls/mouse_codes.h"
#include "controls/twips.h"

namespace lumeta {

namespace {

// The virtual key code holders expect for the common keys; 0 for keys without one here.
int VirtualKeyCode(const QKeyEvent& event) {
    const int key = event.key();
    const bool keypad = event.modifiers() & Qt::KeypadModifier;
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return (keypad ? 96 : 48) + (key - Qt::Key_0);
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return 65 + (key - Qt::Key_A);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return 112 + (key - Qt::Key_F1);
    switch (key) {
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return 9;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Shift:
            return 16;
        case Qt::Key_Control:
            return 17;
        case Qt::Key_Alt:
            return 18;
        case Qt::Key_Pause:
            return 19;
        case Qt::Key_CapsLock:
            return 20;
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_Space:
            return 32;
        case Qt::Key_PageUp:
            return 33;
        case Qt::Key_PageDown:
            return 34;
        case Qt::Key_End:
            return 35;
        case Qt::Key_Home:
            return 36;
        case Qt::Key_Left:
            return 37;
        case Qt::Key_Up:
            return 38;
        case Qt::Key_Right:
            return 39;
        case Qt::Key_Down:
            return 40;
        case Qt::Key_Insert:
            return 45;
        case Qt::Key_Delete:
            return 46;
        case Qt::Key_Asterisk:
            return keypad ? 106 : 0;
        case Qt::Key_Plus:
            return keypad ? 107 : 0;
        case Qt::Key_Minus:
            return keypad ? 109 : 189;
        case Qt::Key_Slash:
            return keypad ? 111 : 191;
        case Qt::Key_Period:
            return keypad ? 110 : 190;
        case Qt::Key_Comma:
            return 188;
        default:
            return 0;
    }
}

}  // namespace

FNDialog::FNDialog(QWidget* parent) : QWidget(parent) {
    Command1 = new QPushButton(QStringLiteral("..."), this);
    Command1->setGeometry(rect());
    // Moves are passed on whether or not a mouse button is held.
    Command1->setMouseTracking(true);
    Command1->installEventFilter(this);
    connect(Command1, &QPushButton::clicked, this, [this] { emit Click(); });
    ApplyBackColor();
}

QString FNDialog::Caption() const {
    return Command1->text();
}

void FNDialog::SetCaption(const QString& caption) {
    Command1->setText(caption);
}

void FNDialog::SetPicture(const QPixmap& picture) {
    picture_ = picture;
    if (picture.isNull()) {
        Command1->setIcon(QIcon());
        return;
    }
    Command1->setIcon(QIcon(picture));
    Command1->setIconSize(picture.deviceIndependentSize().toSize());
}

void FNDialog::SetBackColor(std::uint32_t colour) {
    backColor_ = colour;
    ApplyBackColor();
}

void FNDialog::ApplyBackColor() {
    QPalette palette = Command1->palette();
    palette.setColor(QPalette::Button, ColourFromValue(backColor_, this->palette()));
    Command1->setPalette(palette);
}

bool FNDialog::IsSaveMode(const QString& s) {
    return s.compare(QStringLiteral("SAVE"), Qt::CaseInsensitive) == 0;
}

QString FNDialog::FilterText() const {
    return fileTypesName_ + QStringLiteral(" (") + fileTypes_ + QStringLiteral(")");
}

QString FNDialog::StartFolder() const {
    QString folder = defaultDir_;
    if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    return folder;
}

QString FNDialog::GetFileName(const QString& s) {
    const QString remembered = QDir::currentPath();
    const bool save = IsSaveMode(s);

    QFileDialog dialog(isWindow() ? nullptr : window(), title_.toString());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setWindowModality(Qt::ApplicationModal);
    if (save) {
        // Any name goes, as typed: no question before an existing file, no added extension.
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (!fileTypes_.trimmed().isEmpty()) {
        // Patterns are separated by ";" in the setting and by blanks in the dialog's filter.
        const QString patterns = QString(fileTypes_).replace(QLatin1Char(';'), QLatin1Char(' '));
        dialog.setNameFilter(fileTypesName_ + QStringLiteral(" (") + patterns +
                             QStringLiteral(")"));
    }
    // A folder that is gone starts the dialog where the program works instead.
    const QString start = StartFolder();
    dialog.setDirectory(QDir(start).exists() ? start : remembered);

    shown_ = &dialog;
    const bool confirmed = dialog.exec() == QDialog::Accepted;
    shown_ = nullptr;

    QString result;
    if (confirmed && !dialog.selectedFiles().isEmpty()) result = dialog.selectedFiles().first();
    QDir::setCurrent(remembered);
    return result;
}

QSize FNDialog::sizeHint() const {
    return Command1->sizeHint();
}

void FNDialog::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Command1->setGeometry(rect());
}

bool FNDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched != Command1) return QWidget::eventFilter(watched, event);
    // Input still reaches a disabled button, which drops it; so does the control.
    if (!Command1->isEnabled()) return false;
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseMove: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const TwipScale scale = TwipScale::ForWidget(this);
            const auto x = static_cast<float>(scale.TwipsX(mouse->position().x()));
            const auto y = static_cast<float>(scale.TwipsY(mouse->position().y()));
            const int shift = ShiftCode(mouse->modifiers());
            if (event->type() == QEvent::MouseMove)
                emit MouseMove(MouseButtonCode(mouse->buttons()), shift, x, y);
            else if (event->type() == QEvent::MouseButtonPress)
                emit MouseDown(MouseButtonCode(mouse->button()), shift, x, y);
            else
                emit MouseUp(MouseButtonCode(mouse->button()), shift, x, y);
            break;
        }
        case QEvent::KeyPress: {
            const auto* key = static_cast<QKeyEvent*>(event);
            emit KeyDown(VirtualKeyCode(*key), ShiftCode(key->modifiers()));
            const QString text = key->text();
            if (!text.isEmpty() && text.at(0).unicode() < 256) emit KeyPress(text.at(0).unicode());
            break;
        }
        case QEvent::KeyRelease: {
            const auto* key = static_cast<QKeyEvent*>(event);
            emit KeyUp(VirtualKeyCode(*key), ShiftCode(key->modifiers()));
            break;
        }
        default:
            break;
    }
    return false;  // the button goes on working as a button
}

}  // namespace lumeta
