#pragma once

#include <QDialog>
#include <QMargins>
#include <QSize>
#include <QString>
#include <array>
#include <cstdint>

#include "controls/colour_scheme.h"
#include "controls/message_style.h"

class QLabel;
class QPushButton;

namespace lumeta {

// The program's own modal message window, carrying the application's colours and font.
// Created once and reused: every call rebuilds captions, icons and layout, while the look
// given by the main window stays.
class MsgForm : public QDialog {
    Q_OBJECT

  public:
    // The scheme table is read whenever a black button colour must be replaced.
    explicit MsgForm(const ColourScheme& scheme, QWidget* parent = nullptr);

    // The look: colours as stored colour values (system colours with the high bit). The
    // font is the window's own (setFont); buttons use it one point smaller.
    std::uint32_t BackColor() const { return backColor_; }
    void SetBackColor(std::uint32_t colour) { backColor_ = colour; }
    std::uint32_t ButtonColor() const { return buttonColor_; }
    void SetButtonColor(std::uint32_t colour) { buttonColor_ = colour; }
    std::uint32_t ForeColor() const { return foreColor_; }
    void SetForeColor(std::uint32_t colour) { foreColor_ = colour; }

    // Shows `prompt` with the icons and buttons the style text asks for ("vbquestion+vbyesno")
    // and returns the result of the button chosen (1 Ok ... 7 No).
    int MsgboxA(const QString& prompt, const QString& style);
    void LayoutMessage(int last);

    // The controls, as the window holds them.
    QLabel* Label1 = nullptr;
    std::array<QLabel*, kMessageIconSlots> icons{};
    std::array<QPushButton*, kMessageButtons> cmd{};

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

  public slots:
    // Closing the window other than by a button (its close box, the window manager).
    void reject() override;

  private:
    void ApplyLook();
    void ShowIcon(int slot);
    void HideIcons();
    void SetButton(int index, const QString& caption, const QString& tag);
    void Choose(int index);
    int CloseAnswer() const;
    // Prompt size in twips, in the window's font.
    double PromptWidth(const QString& prompt) const;
    double PromptHeight(const QString& prompt) const;
    void SizeLabel(double left);
    // The prompt wrapped to fit the screen's width beside `margins` twips.
    QString FitPrompt(const QString& prompt, double margins) const;
    QMargins FrameMargins() const;
    // The window's size with its frame and title bar; the inner area gets the rest.
    void SetOuterSize(QSize outer);
    void FitOuterSize();
    // Centres the box, frame included, on its owner (the screen when it has none or the
    // owner is hidden), then moves it fully onto the owner's screen.
    void CentreOnOwner();

    const ColourScheme& scheme_;
    std::uint32_t backColor_;
    std::uint32_t buttonColor_;
    std::uint32_t foreColor_;

    std::array<QString, kMessageButtons> cmdTags_;
    QString prompt_;
    QSize outerSize_;
    QMargins centredFrame_;  // the frame the box was last centred with
    int ButtonLast = -1;
    int Answer = 0;
};

}  // namespace lumeta
