#pragma once

#include <QImage>
#include <QWidget>
#include <array>
#include <cstdint>

class QLabel;
class QScrollBar;

namespace lumeta {

// The colour picker: a palette of the 16 basic colours and two shade strips on a drawing
// surface at the left, three bars for red, green and blue at the right, and the mixed
// colour next to "Selected Colour". Every pick and every change of a bar is reported by
// SelColor. Positions are in twips, converted for the screen the control is on.
class ColPik : public QWidget {
    Q_OBJECT

  public:
    static constexpr double kWidthTwips = 2370;
    static constexpr double kHeightTwips = 1950;
    // Below this a pick lies on a shade strip (or the empty ground), not on the palette.
    static constexpr double kStripsTopTwips = 900;

    explicit ColPik(QWidget* parent = nullptr);

    // Background of the control and of its caption; setting it redraws the palette.
    std::uint32_t BackColor() const { return backColor_; }
    void SetBackColor(std::uint32_t colour);
    // Writing makes the colour the base colour (swatch, bars and strips follow it; a system
    // colour is shown as its current value); reading gives the mixed colour shown.
    std::uint32_t SchemeColor() const { return selected_; }
    void SetSchemeColor(std::uint32_t colour);
    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool enabled) { setEnabled(enabled); }
    void Refresh() { update(); }

    // The drawing surface with the palette and the shade strips, in device pixels.
    const QImage& Surface() const { return surface_; }

    QScrollBar* hsrRed = nullptr;
    QScrollBar* hsrGreen = nullptr;
    QScrollBar* hsrBlue = nullptr;
    std::array<QLabel*, 3> PicRGB{};  // each component alone: 0 red, 1 green, 2 blue
    QLabel* lblRedDegree = nullptr;
    QLabel* lblGreenDegree = nullptr;
    QLabel* lblBlueDegree = nullptr;
    QLabel* Label2 = nullptr;  // "Selected Colour"
    QLabel* Label1 = nullptr;  // the mixed colour

  signals:
    void SelColor(std::uint32_t colour);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void PlaceControls();
    void DrawPalette();
    void SetBaseColour(std::uint32_t colour);
    void DrawStrips(std::uint32_t colour);
    void BarChanged(int component);

    QImage surface_;
    std::uint32_t backColor_;
    std::uint32_t selected_;
    bool redraw_ = true;
};

}  // namespace lumeta
