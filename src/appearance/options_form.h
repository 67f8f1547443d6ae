#pragma once

#include <QDialog>
#include <array>
#include <cstdint>
#include <string>

#include "controls/colour_scheme.h"
#include "view/board_appearance.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;

namespace lumeta {

class BorderSample;
class BoxControl;
class ColPik;

// "Lumeta Options": the colour scheme with the button colour, the five board colours, the
// hexagon border width and the board font. Changes show in the dialog only; "Apply changes"
// writes them to the board settings and asks the main window to apply them. The dialog is
// kept for the whole run: closing only hides it.
class OptionsForm : public QDialog {
    Q_OBJECT

  public:
    // `scheme` and `appearance` are the main window's; textColour is the dark text on
    // scheme colours; the scheme file lies in appDir.
    OptionsForm(ColourScheme& scheme, BoardAppearance& appearance, std::string appDir,
                std::uint32_t textColour, QWidget* parent = nullptr);

    // Start-up: every font family of the system, in the system's order, and the schemes of
    // the scheme file.
    void ListFonts();
    void ListSchemes();

    // The dialog's colours from the scheme table, after a scheme pick or a button change.
    void RepaintOptions();

    std::uint32_t SelectedColour() const { return selectedColour_; }
    std::uint32_t SwatchColour(int index) const { return swatchColours_[index]; }
    int SampleWidth() const;

    QGroupBox* frameFonts = nullptr;
    QListWidget* List2 = nullptr;  // the fonts
    QLabel* Label7 = nullptr;      // the font sample
    QGroupBox* frame2 = nullptr;   // "Border"
    BorderSample* Line1 = nullptr;
    QGroupBox* frameColours = nullptr;
    std::array<QLabel*, 5> swatches{};  // Label1..Label5: border, fixed, grid, user, fill
    QGroupBox* frameSelect = nullptr;
    ColPik* ColPik1 = nullptr;
    QGroupBox* Frame1 = nullptr;  // "Colour Scheme: ..."
    QComboBox* Combo1 = nullptr;
    BoxControl* cmdadjust4 = nullptr;            // the button colour: right lighter, left darker
    BoxControl* Command1 = nullptr;              // "Apply changes"
    BoxControl* Command2 = nullptr;              // "Close this window"
    QGroupBox* framePresets = nullptr;           // "Board colours"
    std::array<BoxControl*, 2> presetButtons{};  // one per ready-made set of board colours

  signals:
    // The settings are written: the main window reloads the scheme, applies it and redraws.
    void ApplyChanges();

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildControls();
    void PlaceControls();
    void Activate();
    void SetSwatch(int index, std::uint32_t colour);
    void SetSampleColour(std::uint32_t colour);
    void SchemePicked();
    void AdjustButtonColour(int button);
    void FontSizeClicked(int button);
    void BorderWidthClicked(int button);
    void Apply();

    ColourScheme& scheme_;
    BoardAppearance& appearance_;
    std::string appDir_;
    std::uint32_t textColour_;
    std::uint32_t selectedColour_ = 0;
    std::array<std::uint32_t, 5> swatchColours_{};
};

}  // namespace lumeta
