#pragma once

#include <QDialog>
#include <QPixmap>
#include <cstdint>

#include "app/program_picture.h"
#include "controls/colour_scheme.h"

class QLabel;
class QPlainTextEdit;

namespace lumeta {

class BoxControl;

// The about box: the rules in two lines, the program's name, year and licence, its
// picture and version. OK and Escape hide it; a press on the text or the close box unloads
// it, and the next "About" makes a new one.
class AboutForm : public QDialog {
    Q_OBJECT

  public:
    static constexpr const char* kCaption = "About Lumeta";

    explicit AboutForm(QWidget* parent = nullptr);

    // The scheme's colours: the window background (slot 2) behind the box and its text,
    // the button colour under the OK button and the version, near-black text on both.
    void ApplyColours(const ColourScheme& scheme, std::uint32_t nearBlack);

    // The text the box shows.
    static QString AboutLines();

    QPlainTextEdit* AboutText = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;  // the version
    BoxControl* aboutok = nullptr;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace lumeta
