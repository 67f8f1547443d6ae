#pragma once

#include <QPixmap>
#include <QPointF>
#include <QSize>
#include <QString>
#include <QWidget>
#include <cstdint>

namespace lumeta {

// The program's own push button: a flat face in its back colour, a centred one-line caption,
// a raised edge and an optional picture. A press shows a single-line border until the
// release. It reports the press and the release (`MouseDown`, `MouseUp`); there is no click.
class BoxControl : public QWidget {
    Q_OBJECT

  public:
    // Colours are stored colour values; the high bit names a system colour (0x80000000 + index).
    static constexpr std::uint32_t kButtonTextColour = 0x80000012u;

    explicit BoxControl(QWidget* parent = nullptr);

    std::uint32_t ForeColor() const { return foreColor_; }
    void SetForeColor(std::uint32_t colour);
    // A disabled button takes no mouse input and raises no events; it looks the same.
    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool enabled) { setEnabled(enabled); }
    QFont Font() const { return font(); }
    void SetFont(const QFont& font);
    void Refresh() { update(); }
    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    float FontSize() const { return static_cast<float>(font().pointSizeF()); }
    void SetFontSize(float points);
    bool FontBold() const { return font().bold(); }
    void SetFontBold(bool bold);
    std::uint32_t BackColor() const { return backColor_; }
    void SetBackColor(std::uint32_t colour);
    // A null pixmap means no picture.
    const QPixmap& Picture() const { return picture_; }
    void SetPicture(const QPixmap& picture);
    bool FontItalic() const { return font().italic(); }
    void SetFontItalic(bool italic);

    // A left click as the button's press action: MouseDown, then MouseUp.
    void Press();

    // 1 while a mouse button is held on the button, else 0.
    int BorderStyle() const { return borderStyle_; }

    // The picture's size in HIMETRIC units (hundredths of a millimetre) on this screen.
    QSize PictureHimetric() const;
    // Where the picture's top-left corner goes in a drawing area of width × height twips.
    QPointF PicturePosition(double width, double height) const;

    QSize sizeHint() const override;

  signals:
    // button: 1 left, 2 right, 4 middle; shift: 1 shift, 2 ctrl, 4 alt; x, y in twips.
    void MouseUp(int button, int shift, float x, float y);
    void MouseDown(int button, int shift, float x, float y);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Space or Enter on a focused button presses it until the key is let go, as the left
    // mouse button does.
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void SetBorderStyle(int style);
    static bool PressKey(const QKeyEvent& event);

    bool keyHeld_ = false;  // a press by key waits for its release

    QString caption_;
    QPixmap picture_;
    std::uint32_t foreColor_ = kButtonTextColour;
    std::uint32_t backColor_ = kButtonTextColour;
    int borderStyle_ = 0;
};

}  // namespace lumeta
