#include "appearance/options_form.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>

#include "appearance/board_presets.h"
#include "appearance/colour_parts.h"
#include "appearance/colour_picker.h"
#include "appearance/scheme_file.h"
#include "appearance/window_look.h"
#include "controls/box_control.h"
#include "controls/colour_value.h"
#include "controls/twips.h"

namespace lumeta {

// The border sample: a rounded rectangle outlined in the border colour and width, drawn
// open so the width stays visible. Clicks go through to the "Border" frame.
class BorderSample : public QWidget {
  public:
    explicit BorderSample(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    int BorderWidth = 2;
    std::uint32_t BorderColor = 0;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(ColourFromValue(BorderColor), BorderWidth));
        const qreal inset = BorderWidth / 2.0 + 1;
        const QRectF shape = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
        painter.drawRoundedRect(shape, height() / 4.0, height() / 4.0);
    }
};

namespace {

constexpr int kLeftButton = Qt::LeftButton;
constexpr int kRightButton = Qt::RightButton;
constexpr int kMinFontSize = 8;
constexpr int kMaxFontSize = 32;
constexpr int kMaxBorderWidth = 20;

struct Place {
    double left, top, width, height;
};
// Where everything sits, in twips; controls inside a frame relative to the frame.
constexpr double kDialogWidth = 5640;
constexpr double kDialogHeight = 5340;
constexpr Place kFontsFrame = {120, 60, 2640, 2580};
constexpr Place kFontList = {120, 270, 2400, 1560};
constexpr Place kFontSample = {120, 1890, 2400, 600};
constexpr Place kSelectFrame = {2880, 60, 2640, 2580};
constexpr Place kPicker = {135, 300, ColPik::kWidthTwips, ColPik::kHeightTwips};
constexpr Place kColoursFrame = {120, 2760, 2640, 780};
constexpr Place kFirstSwatch = {180, 300, 375, 375};
constexpr double kSwatchStep = 495;
constexpr Place kBorderFrame = {2880, 2760, 1000, 780};
constexpr Place kBorderSample = {150, 300, 700, 375};
constexpr Place kApply = {4000, 2860, 1520, 345};
constexpr Place kClose = {4000, 3230, 1520, 345};
constexpr Place kSchemeFrame = {120, 3660, 5400, 780};
constexpr Place kSchemeList = {180, 330, 3000, 330};
constexpr Place kAdjuster = {3300, 330, 600, 330};
constexpr Place kPresetFrame = {120, 4500, 5400, 780};
constexpr Place kFirstPreset = {180, 330, 1500, 330};
constexpr double kPresetStep = 1620;

const std::array<const char*, 5> kSwatchTips = {
    "Set Border Colour; select colour first", "Set Fixed Numbers Colour; select colour first",
    "Set Grid Colour; select colour first", "Set User Colour; select colour first",
    "Set Hex Fill Colour; select colour first"};

const std::array<const char*, 5> kSwatchNames = {"Border colour", "Fixed numbers colour",
                                                 "Grid colour", "User numbers colour",
                                                 "Hex fill colour"};

// The window-background colour of the system, the list's own default.
constexpr std::uint32_t kListBackColour = kSystemColourBit | 5;

void Put(QWidget* widget, const Place& place) {
    widget->setGeometry(
        TwipScale::ForScreen().Pixels(place.left, place.top, place.width, place.height));
}

QGroupBox* NewFrame(QWidget* parent, const char* name, const QString& caption) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(QLatin1String(name));
    return frame;
}

int MouseButtonOf(QEvent* event) {
    return static_cast<QMouseEvent*>(event)->button();
}

// The scheme list's text field. When it loses the focus (to the list opening, or to another
// control) the toolkit reports the scheme named in it as chosen; `Leaving` tells such
// reports from a player's choice.
class SchemeField : public QLineEdit {
  public:
    using QLineEdit::QLineEdit;
    bool Leaving() const { return leaving_; }

  protected:
    void focusOutEvent(QFocusEvent* event) override {
        leaving_ = true;
        QLineEdit::focusOutEvent(event);
        leaving_ = false;
    }

  private:
    bool leaving_ = false;
};

}  // namespace

OptionsForm::OptionsForm(ColourScheme& scheme, BoardAppearance& appearance, std::string appDir,
                         std::uint32_t textColour, QWidget* parent)
    : QDialog(parent),
      scheme_(scheme),
      appearance_(appearance),
      appDir_(std::move(appDir)),
      textColour_(textColour) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Lumeta Options"));
    setModal(true);
    QFont dialogFont(QStringLiteral("Arial"));
    dialogFont.setPointSizeF(8.25);
    setFont(dialogFont);
    BuildControls();
    PlaceControls();
}

void OptionsForm::BuildControls() {
    frameFonts = NewFrame(this, "frameFonts", QStringLiteral("Fonts"));
    List2 = new QListWidget(frameFonts);
    List2->setObjectName(QStringLiteral("List2"));
    List2->setAccessibleName(QStringLiteral("Board font"));
    Label7 = new QLabel(QStringLiteral("X"), frameFonts);
    Label7->setObjectName(QStringLiteral("Label7"));
    Label7->setToolTip(QStringLiteral("Left-Rightclick to set font size"));
    Label7->setAccessibleName(QStringLiteral("Board font sample"));
    Label7->setAlignment(Qt::AlignCenter);
    Label7->installEventFilter(this);
    // A font is chosen by selecting it; the list taking the focus only marks an entry.
    connect(List2, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> chosen = List2->selectedItems();
        if (chosen.isEmpty()) return;
        QFont sample = Label7->font();
        sample.setFamily(chosen.first()->text());
        sample.setItalic(false);
        Label7->setFont(sample);
    });

    frame2 = NewFrame(this, "frame2", QStringLiteral("Border"));
    frame2->setToolTip(QStringLiteral("Click to set hexagon border width"));
    frame2->installEventFilter(this);
    Line1 = new BorderSample(frame2);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setAccessibleName(QStringLiteral("Hexagon border sample"));

    frameColours = NewFrame(this, "frameColours", QStringLiteral("Colours"));
    for (int index = 0; index < 5; ++index) {
        QLabel* swatch = swatches[index] = new QLabel(frameColours);
        swatch->setObjectName(QStringLiteral("Label%1").arg(index + 1));
        swatch->setToolTip(QLatin1String(kSwatchTips[index]));
        swatch->setAccessibleName(QLatin1String(kSwatchNames[index]));
        swatch->setFrameShape(QFrame::Box);
        swatch->installEventFilter(this);
    }

    frameSelect = NewFrame(this, "frameSelect", QStringLiteral("Select Colour"));
    ColPik1 = new ColPik(frameSelect);
    ColPik1->setObjectName(QStringLiteral("ColPik1"));
    connect(ColPik1, &ColPik::SelColor, this,
            [this](std::uint32_t colour) { selectedColour_ = colour; });

    Frame1 = NewFrame(this, "Frame1", QStringLiteral("Colour Scheme"));
    Combo1 = new QComboBox(Frame1);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setAccessibleName(QStringLiteral("Colour scheme"));
    Combo1->setEditable(true);
    auto* field = new SchemeField(Combo1);
    Combo1->setLineEdit(field);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->lineEdit()->setAccessibleName(QStringLiteral("Colour scheme name"));
    connect(Combo1, &QComboBox::activated, this, [this, field] {
        if (!field->Leaving()) SchemePicked();
    });
    cmdadjust4 = new BoxControl(Frame1);
    cmdadjust4->setObjectName(QStringLiteral("cmdadjust4"));
    cmdadjust4->setToolTip(QStringLiteral("Button colour: rightclick lighter, leftclick darker"));
    connect(cmdadjust4, &BoxControl::MouseUp, this,
            [this](int button, int, float, float) { AdjustButtonColour(button); });

    Command1 = new BoxControl(this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->SetCaption(QStringLiteral("Apply changes"));
    connect(Command1, &BoxControl::MouseUp, this, [this] { Apply(); });
    Command2 = new BoxControl(this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->SetCaption(QStringLiteral("Close this window"));
    connect(Command2, &BoxControl::MouseUp, this, [this] { hide(); });

    // One click puts a whole set of board colours on the swatches; "Apply changes" keeps it.
    framePresets = NewFrame(this, "framePresets", QStringLiteral("Board colours"));
    static_assert(kBoardPresets.size() == std::tuple_size_v<decltype(presetButtons)>);
    for (std::size_t index = 0; index < kBoardPresets.size(); ++index) {
        const BoardPreset& preset = kBoardPresets[index];
        BoxControl* button = presetButtons[index] = new BoxControl(framePresets);
        button->setObjectName(QStringLiteral("cmdpreset%1").arg(index));
        button->SetCaption(QLatin1String(preset.name));
        button->setToolTip(
            QStringLiteral("Set the five board colours; Apply changes to keep them"));
        connect(button, &BoxControl::MouseUp, this, [this, &preset] {
            const std::array colours = {preset.border, preset.fixed, preset.grid, preset.user,
                                        preset.fill};
            for (int swatch = 0; swatch < 5; ++swatch)
                SetSwatch(swatch, colours[swatch]);
        });
    }
}

void OptionsForm::PlaceControls() {
    const TwipScale scale = TwipScale::ForScreen();
    setFixedSize(scale.PixelsX(kDialogWidth), scale.PixelsY(kDialogHeight));
    Put(frameFonts, kFontsFrame);
    Put(List2, kFontList);
    Put(Label7, kFontSample);
    Put(frameSelect, kSelectFrame);
    Put(ColPik1, kPicker);
    Put(frameColours, kColoursFrame);
    for (int index = 0; index < 5; ++index)
        Put(swatches[index], {kFirstSwatch.left + index * kSwatchStep, kFirstSwatch.top,
                              kFirstSwatch.width, kFirstSwatch.height});
    Put(frame2, kBorderFrame);
    Put(Line1, kBorderSample);
    Put(Command1, kApply);
    Put(Command2, kClose);
    Put(Frame1, kSchemeFrame);
    Put(Combo1, kSchemeList);
    Put(cmdadjust4, kAdjuster);
    Put(framePresets, kPresetFrame);
    for (std::size_t index = 0; index < presetButtons.size(); ++index)
        Put(presetButtons[index], {kFirstPreset.left + index * kPresetStep, kFirstPreset.top,
                                   kFirstPreset.width, kFirstPreset.height});
}

void OptionsForm::ListFonts() {
    List2->clear();
    List2->addItems(QFontDatabase::families());
}

void OptionsForm::ListSchemes() {
    Combo1->clear();
    for (const std::string& name : lumeta::ListSchemes(appDir_ + kSchemeFileName))
        Combo1->addItem(QString::fromLocal8Bit(name.c_str()));
    Combo1->setCurrentIndex(-1);
}

int OptionsForm::SampleWidth() const {
    return Line1->BorderWidth;
}

void OptionsForm::showEvent(QShowEvent* event) {
    Activate();
    QDialog::showEvent(event);
}

void OptionsForm::Activate() {
    ColourWindow(*this, SchemeLook(scheme_, textColour_));
    ColPik1->SetBackColor(scheme_.Background());
    ColPik1->SetSchemeColor(scheme_.Background());
    const std::string& name = scheme_.SchemeName;
    if (const std::size_t dot = name.find('.'); dot != std::string::npos)
        Combo1->setEditText(QString::fromLocal8Bit(name.substr(0, dot).c_str()));
    Frame1->setTitle(QStringLiteral("Colour Scheme: ") + QString::fromLocal8Bit(name.c_str()));
    for (BoxControl* button : {Command1, Command2, cmdadjust4, presetButtons[0], presetButtons[1]})
        button->SetBackColor(scheme_.ButtonColour());

    const BoardAppearance& a = appearance_;
    for (int index = 0; index < 5; ++index)
        SetSwatch(index, std::array{a.BorderColour, a.FixedColour, a.GridColour, a.UserColour,
                                    a.HexFillColour}[index]);
    Line1->BorderWidth = a.BorderWidth;
    Line1->update();

    QFont sample = Label7->font();
    sample.setPointSizeF(std::max(1, a.BoardFontSize));
    sample.setFamily(QString::fromLocal8Bit(a.BoardFontName.c_str()));
    Label7->setFont(sample);
    const QList<QListWidgetItem*> found =
        List2->findItems(QString::fromLocal8Bit(a.BoardFontName.c_str()), Qt::MatchFixedString);
    List2->clearSelection();
    if (!found.isEmpty()) {
        List2->scrollToItem(found.first(), QAbstractItemView::PositionAtTop);
        List2->setCurrentItem(found.first());
    }
}

void OptionsForm::RepaintOptions() {
    Frame1->setTitle(QStringLiteral("Colour Scheme: ") + Combo1->currentText());
    WindowLook look = SchemeLook(scheme_, textColour_);
    look.button = scheme_.SchemeColours[kButtonFaceSlot];
    ColourWindow(*this, look);
    ColPik1->SetBackColor(scheme_.Background());
}

void OptionsForm::SetSwatch(int index, std::uint32_t colour) {
    swatchColours_[index] = colour;
    QPalette palette = swatches[index]->palette();
    palette.setColor(QPalette::Window, ColourFromValue(colour));
    swatches[index]->setPalette(palette);
    swatches[index]->setAutoFillBackground(true);
    if (index == 0) SetSampleColour(colour);
}

void OptionsForm::SetSampleColour(std::uint32_t colour) {
    Line1->BorderColor = colour;
    Line1->update();
}

void OptionsForm::SchemePicked() {
    const std::string name = Combo1->currentText().toLocal8Bit().toStdString() + ".col";
    SchemeTextColour text;
    std::optional<std::uint32_t> background = PreviewScheme(
        appDir_ + kSchemeFileName, name, scheme_.SchemeColours, kListBackColour, &text);
    scheme_.TextColour = text.colour;
    if (!background) {
        QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(),
                        QStringLiteral("Color Scheme: ") + QString::fromLocal8Bit(name.c_str()) +
                            QStringLiteral(" not found"),
                        QMessageBox::Ok, this);
        box.exec();
        background = 0;
        scheme_.SchemeName = "default.col";
    }
    ColPik1->SetSchemeColor(*background);
    ColPik1->Refresh();
    scheme_.SchemeColours[kUserButtonSlot] = scheme_.SchemeColours[kButtonFaceSlot];
    RepaintOptions();
    // The clue digits keep their colour: a scheme's background is light by design, and
    // clue digits in it would vanish on the board's fill.
    ColPik1->SetSchemeColor(*background);
}

void OptionsForm::AdjustButtonColour(int button) {
    const int step = button == 2 ? 10 : button == 1 ? -10 : 0;
    SchemeSlots& table = scheme_.SchemeColours;
    table[kButtonFaceSlot] = AdjustedButtonColour(table[kButtonFaceSlot], step);
    table[kUserButtonSlot] = table[kButtonFaceSlot];
    RepaintOptions();
}

void OptionsForm::FontSizeClicked(int button) {
    QFont sample = Label7->font();
    int size = RoundHalfEven(sample.pointSizeF());
    size += button == kLeftButton ? 1 : button == kRightButton ? -1 : 0;
    sample.setPointSize(std::clamp(size, kMinFontSize, kMaxFontSize));
    Label7->setFont(sample);
}

void OptionsForm::BorderWidthClicked(int button) {
    int width = Line1->BorderWidth;
    width += button == kLeftButton ? 1 : button == kRightButton ? -1 : 0;
    // Past the thickest the width starts again at the thinnest.
    if (width > kMaxBorderWidth || width < 1) width = 1;
    Line1->BorderWidth = width;
    Line1->update();
}

bool OptionsForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonRelease) return QDialog::eventFilter(watched, event);
    const int button = MouseButtonOf(event);
    if (watched == Label7) {
        FontSizeClicked(button);
        return true;
    }
    if (watched == frame2) {
        BorderWidthClicked(button);
        return true;
    }
    for (int index = 0; index < 5; ++index) {
        if (watched != swatches[index]) continue;
        // The border swatch takes any button; the others a left click on them.
        const bool inside = swatches[index]->rect().contains(
            static_cast<QMouseEvent*>(event)->position().toPoint());
        if (index == 0 || (button == kLeftButton && inside)) SetSwatch(index, selectedColour_);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void OptionsForm::Apply() {
    if (!Combo1->currentText().isEmpty())
        scheme_.SchemeName = Combo1->currentText().toLocal8Bit().toStdString() + ".col";
    BoardAppearance& a = appearance_;
    a.BorderColour = swatchColours_[0];
    a.FixedColour = swatchColours_[1];
    a.GridColour = swatchColours_[2];
    a.UserColour = swatchColours_[3];
    a.HexFillColour = swatchColours_[4];
    a.BorderWidth = Line1->BorderWidth;
    a.BoardFontSize = RoundHalfEven(Label7->font().pointSizeF());
    a.BoardFontName = Label7->font().family().toLocal8Bit().toStdString();
    emit ApplyChanges();
}

}  // namespace lumeta
