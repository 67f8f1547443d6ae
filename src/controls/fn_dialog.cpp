#include "controls/fn_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>

#include "controls/colour_value.h"
#include "controls/input_codes.h"
#include "controls/twips.h"

namespace lumeta {

namespace {}  // namespace

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
