#include "controls/fn_dialog.h"

#include <QDir>
#include <QFileDialog>

namespace lumeta {

FNDialog::FNDialog(QWidget* parent) : QWidget(parent) {}

QString FNDialog::GetFileName(const QString& s) {
    const QString remembered = QDir::currentPath();
    const bool save = s.compare(QStringLiteral("SAVE"), Qt::CaseInsensitive) == 0;

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
    QString start = defaultDir_;
    if (!start.endsWith(QLatin1Char('/'))) start += QLatin1Char('/');
    dialog.setDirectory(QDir(start).exists() ? start : remembered);

    shown_ = &dialog;
    const bool confirmed = dialog.exec() == QDialog::Accepted;
    shown_ = nullptr;

    QString result;
    if (confirmed && !dialog.selectedFiles().isEmpty()) result = dialog.selectedFiles().first();
    QDir::setCurrent(remembered);
    return result;
}

}  // namespace lumeta
