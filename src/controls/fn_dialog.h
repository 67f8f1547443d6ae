#pragma once

#include <QFileDialog>
#include <QPointer>
#include <QString>
#include <QVariant>
#include <QWidget>

namespace lumeta {

// Asks the user for a file name through the standard open and save dialogs. It carries the
// dialog's settings (pattern, type name, title, starting folder) and shows the dialog from
// `GetFileName`; the control itself stays hidden.
class FNDialog : public QWidget {
    Q_OBJECT

  public:
    explicit FNDialog(QWidget* parent = nullptr);

    // The pattern the dialog offers, "*.txt"; several patterns are separated by ";".
    void SetFileTypes(const QString& pattern) { fileTypes_ = pattern; }
    // The dialog's title, used as text (a new control's title is the number 0).
    void SetTitle(const QVariant& title) { title_ = title; }
    // The description shown in the dialog's type list, "Lumeta Files".
    void SetFileTypesName(const QString& name) { fileTypesName_ = name; }
    // The folder the dialog starts in; empty starts it in the root folder.
    void SetDefaultDir(const QString& folder) { defaultDir_ = folder; }

    // Shows the save dialog when `s` is "SAVE" in any letter case, else the open dialog, and
    // returns the chosen full path, or empty text when the user cancels. The working folder
    // afterwards is the one before, whatever the user browsed to.
    QString GetFileName(const QString& s = QString());

    // The dialog while `GetFileName` shows it, else null: what a caller's test answers.
    QFileDialog* ShownDialog() const { return shown_; }

  private:
    QString fileTypes_;
    QVariant title_ = 0;
    QString fileTypesName_;
    QString defaultDir_;
    QPointer<QFileDialog> shown_;
};

}  // namespace lumeta
