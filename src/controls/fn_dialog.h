#pragma once

#include <QFileDialog>
#include <QFont>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QVariant>
#include <QWidget>
#include <cstdint>

class QPushButton;

namespace lumeta {

// Asks the user for a file name through the standard open and save dialogs. It carries the
// dialog's settings (pattern, type name, title, starting folder) and shows the dialog from
// `GetFileName`. On a window it is a push button ("..." by default) that passes on its mouse
// and keyboard events.
class FNDialog : public QWidget {
    Q_OBJECT

  public:
    // The button face's system colour, the inner button's colour until another is set.
    static constexpr std::uint32_t kButtonFaceColour = 0x8000000Fu;

    explicit FNDialog(QWidget* parent = nullptr);

    // The pattern the dialog offers, "*.txt"; several patterns are separated by ";".
    QString FileTypes() const { return fileTypes_; }
    void SetFileTypes(const QString& pattern) { fileTypes_ = pattern; }
    // The dialog's title, used as text (a new control's title is the number 0).
    QVariant title() const { return title_; }
    void SetTitle(const QVariant& title) { title_ = title; }
    // The description shown in the dialog's type list, "Lumeta Files".
    QString FileTypesName() const { return fileTypesName_; }
    void SetFileTypesName(const QString& name) { fileTypesName_ = name; }
    // The folder the dialog starts in; empty starts it in the root folder.
    QString DefaultDir() const { return defaultDir_; }
    void SetDefaultDir(const QString& folder) { defaultDir_ = folder; }

    QString Caption() const;
    void SetCaption(const QString& caption);
    // A null pixmap means no picture.
    const QPixmap& Picture() const { return picture_; }
    void SetPicture(const QPixmap& picture);
    std::uint32_t BackColor() const { return backColor_; }
    void SetBackColor(std::uint32_t colour);
    // Kept for the holder; the button's caption colour does not follow it.
    std::uint32_t ForeColor() const { return foreColor_; }
    void SetForeColor(std::uint32_t colour) { foreColor_ = colour; }
    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool enabled) { setEnabled(enabled); }
    QFont Font() const { return font(); }
    void SetFont(const QFont& font) { setFont(font); }

    // Shows the save dialog when `s` is "SAVE" in any letter case, else the open dialog, and
    // returns the chosen full path, or empty text when the user cancels. The working folder
    // afterwards is the one before, whatever the user browsed to.
    QString GetFileName(const QString& s = QString());

    // True when `s` asks for the save dialog.
    static bool IsSaveMode(const QString& s);
    // The type list entry: "Lumeta Files (*.txt)".
    QString FilterText() const;
    // The folder the dialog starts in: `DefaultDir` as a folder path, "/" when empty.
    QString StartFolder() const;

    // The dialog while `GetFileName` shows it, else null: what a caller's test answers.
    QFileDialog* ShownDialog() const { return shown_; }

    QSize sizeHint() const override;

    // The inner button; it always fills the control.
    QPushButton* Command1 = nullptr;

  signals:
    void Click();
    // Declared for holders that expect it; never raised.
    void DblClick();
    // keyCode: the platform's virtual key code (65 for A, 13 for Enter); shift: 1 shift,
    // 2 ctrl, 4 alt.
    void KeyDown(int keyCode, int shift);
    void KeyPress(int keyAscii);
    void KeyUp(int keyCode, int shift);
    // button: 1 left, 2 right, 4 middle (for a move, the buttons held); x, y in twips.
    void MouseDown(int button, int shift, float x, float y);
    void MouseMove(int button, int shift, float x, float y);
    void MouseUp(int button, int shift, float x, float y);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void ApplyBackColor();

    QString fileTypes_;
    QVariant title_ = 0;
    QString fileTypesName_;
    QString defaultDir_;
    QPixmap picture_;
    std::uint32_t backColor_ = kButtonFaceColour;
    std::uint32_t foreColor_ = 0;
    QPointer<QFileDialog> shown_;
};

}  // namespace lumeta
