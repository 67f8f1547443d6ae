#include "appearance/colour_picker.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include "appearance/colour_contrast.h"
#include "appearance/colour_parts.h"
#include "controls/colour_value.h"
#include "controls/twips.h"

namespace lumeta {

namespace {

// The 16 basic colours by number: 0 black, 1 blue ... 12 light red ... 15 bright white.
constexpr std::array<std::uint32_t, 16> kBasicColours = {
    RGBValue(0, 0, 0),       RGBValue(0, 0, 128),   RGBValue(0, 128, 0),   RGBValue(0, 128, 128),
    RGBValue(128, 0, 0),     RGBValue(128, 0, 128), RGBValue(128, 128, 0), RGBValue(192, 192, 192),
    RGBValue(128, 128, 128), RGBValue(0, 0, 255),   RGBValue(0, 255, 0),   RGBValue(0, 255, 255),
    RGBValue(255, 0, 0),     RGBValue(255, 0, 255), RGBValue(255, 255, 0), RGBValue(255, 255, 255)};

struct Place {
    double left, top, width, height;
};
constexpr std::array<double, 3> kBarLefts = {1320, 1657, 1995};
constexpr double kBarTop = 25, kBarWidth = 250, kBarHeight = 1126;
constexpr double kSwatchTop = 1170, kSwatchWidth = 225, kSwatchHeight = 195;
constexpr double kDegreeTop = 1380, kDegreeHeight = 225;
constexpr Place kCaption = {60, 1680, 1245, 225};
constexpr Place kSelected = {1335, 1680, 915, 195};

// The shade strips: one line per twip from x = 10 to 266.
constexpr double kStripsLeft = 10;
constexpr int kStripLines = 257;
constexpr double kDarkTop = 950, kDarkBottom = 1150;
constexpr double kLightTop = 1175, kLightBottom = 1375;

// Readable on a light background; the labels name the bars by colour.
const std::array<QColor, 3> kDegreeText = {QColor(192, 0, 0), QColor(0, 128, 0), QColor(0, 0, 192)};
// The same on a dark background.
const std::array<QColor, 3> kDegreeTextOnDark = {QColor(255, 150, 150), QColor(130, 230, 130),
                                                 QColor(160, 180, 255)};

// A system colour becomes its current value through the application's palette; a value
// that names no colour becomes black.
std::uint32_t PlainColour(std::uint32_t colour) {
    if ((colour & kSystemColourBit) == 0) return colour > 0xFFFFFFu ? 0 : colour;
    if ((colour & ~kSystemColourBit) > 30u) return 0;
    return ValueFromColour(ColourFromValue(colour, QApplication::palette()));
}

void Fill(QLabel* label, std::uint32_t colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, ColourFromValue(colour));
    label->setPalette(palette);
    label->setAutoFillBackground(true);
}

}  // namespace

ColPik::ColPik(QWidget* parent)
    : QWidget(parent), backColor_(RGBValue(255, 192, 192)), selected_(RGBValue(255, 255, 255)) {
    setObjectName(QStringLiteral("ColPik"));
    std::array<QScrollBar**, 3> bars = {&hsrRed, &hsrGreen, &hsrBlue};
    std::array<QLabel**, 3> degrees = {&lblRedDegree, &lblGreenDegree, &lblBlueDegree};
    const std::array<const char*, 3> names = {"Red", "Green", "Blue"};
    for (int component = 0; component < 3; ++component) {
        QScrollBar* bar = *bars[component] = new QScrollBar(Qt::Vertical, this);
        bar->setObjectName(QStringLiteral("hsr") + QLatin1String(names[component]));
        bar->setAccessibleName(QLatin1String(names[component]));
        bar->setRange(0, 255);
        bar->setValue(255);
        connect(bar, &QScrollBar::valueChanged, this, [this, component] { BarChanged(component); });

        PicRGB[component] = new QLabel(this);
        PicRGB[component]->setAccessibleName(QLatin1String(names[component]) + " shades");
        Fill(PicRGB[component], RGBValue(component == 0 ? 255 : 0, component == 1 ? 255 : 0,
                                         component == 2 ? 255 : 0));
        QLabel* degree = *degrees[component] = new QLabel(QStringLiteral("255"), this);
        degree->setObjectName(QStringLiteral("lbl") + QLatin1String(names[component]) + "Degree");
        degree->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        QPalette text = degree->palette();
        text.setColor(QPalette::WindowText, kDegreeText[component]);
        degree->setPalette(text);
    }
    Label2 = new QLabel(QStringLiteral("Selected Colour"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAccessibleName(QStringLiteral("Selected colour"));
    // Outlined, so the colour shows also on a background of the same colour.
    Label1->setFrameShape(QFrame::Box);
    Fill(Label1, selected_);

    const TwipScale scale = TwipScale::ForScreen();
    setFixedSize(scale.PixelsX(kWidthTwips), scale.PixelsY(kHeightTwips));
    PlaceControls();
    DrawPalette();
    hsrRed->setValue(hsrRed->value());
}

void ColPik::PlaceControls() {
    const TwipScale scale = TwipScale::ForScreen();
    const std::array<QScrollBar*, 3> bars = {hsrRed, hsrGreen, hsrBlue};
    const std::array<QLabel*, 3> degrees = {lblRedDegree, lblGreenDegree, lblBlueDegree};
    for (int component = 0; component < 3; ++component) {
        const double left = kBarLefts[component];
        bars[component]->setGeometry(scale.Pixels(left, kBarTop, kBarWidth, kBarHeight));
        PicRGB[component]->setGeometry(scale.Pixels(left + (kBarWidth - kSwatchWidth) / 2,
                                                    kSwatchTop, kSwatchWidth, kSwatchHeight));
        // The value stands centred under its bar, a little wider than the bar.
        degrees[component]->setGeometry(
            scale.Pixels(left - 40, kDegreeTop, kBarWidth + 80, kDegreeHeight));
    }
    Label2->setGeometry(scale.Pixels(kCaption.left, kCaption.top, kCaption.width, kCaption.height));
    Label1->setGeometry(
        scale.Pixels(kSelected.left, kSelected.top, kSelected.width, kSelected.height));
}

void ColPik::SetBackColor(std::uint32_t colour) {
    backColor_ = colour;
    // The numbers stay readable on whatever background the scheme gives.
    const std::uint32_t ground = ValueFromColour(ColourFromValue(colour));
    const std::array<QLabel*, 3> degrees = {lblRedDegree, lblGreenDegree, lblBlueDegree};
    for (int component = 0; component < 3; ++component) {
        const QColor& dark = kDegreeText[component];
        const QColor& light = kDegreeTextOnDark[component];
        const bool readable = ContrastRatio(ValueFromColour(dark), ground) >=
                              ContrastRatio(ValueFromColour(light), ground);
        QPalette text = degrees[component]->palette();
        text.setColor(QPalette::WindowText, readable ? dark : light);
        degrees[component]->setPalette(text);
    }
    DrawPalette();
}

void ColPik::DrawPalette() {
    // The surface starts afresh in the background; the strips come back with the next
    // base colour.
    const qreal ratio = devicePixelRatioF();
    surface_ = QImage(size() * ratio, QImage::Format_RGB32);
    surface_.setDevicePixelRatio(ratio);
    surface_.fill(ColourFromValue(backColor_));
    const TwipScale scale = TwipScale::ForWidget(this);
    QPainter painter(&surface_);
    for (int row = 1; row <= 4; ++row)
        for (int col = 1; col <= 4; ++col) {
            const QPoint from = scale.Pixels(10 + 65 * (col - 1), 30 + 225 * (row - 1));
            const QPoint to = scale.Pixels(65 * col, 230 + 225 * (row - 1));
            painter.fillRect(QRect(from, to),
                             ColourFromValue(kBasicColours[4 * (row - 1) + col - 1]));
        }
    painter.end();
    redraw_ = true;
    Fill(Label2, backColor_);
    update();
}

void ColPik::DrawStrips(std::uint32_t colour) {
    const TwipScale scale = TwipScale::ForWidget(this);
    QPainter painter(&surface_);
    const auto strip = [&](double top, double bottom, auto shade) {
        const int y0 = scale.PixelsY(top);
        const int y1 = scale.PixelsY(bottom);
        for (int i = 0; i < kStripLines; ++i)
            painter.fillRect(scale.PixelsX(kStripsLeft + i), y0, 1, y1 - y0,
                             ColourFromValue(shade(colour, i)));
    };
    strip(kDarkTop, kDarkBottom, clrBlackness);
    strip(kLightTop, kLightBottom, clrWhiteness);
    painter.end();
    update();
}

void ColPik::SetBaseColour(std::uint32_t colour) {
    colour = PlainColour(colour);
    selected_ = colour;
    Fill(Label1, colour);
    const ColourParts parts = PartsOf(colour);
    // Each bar reports its change, as a move by the user would.
    hsrRed->setValue(parts.red);
    hsrGreen->setValue(parts.green);
    hsrBlue->setValue(parts.blue);
    if (redraw_) DrawStrips(colour);
}

void ColPik::SetSchemeColor(std::uint32_t colour) {
    redraw_ = true;
    SetBaseColour(colour);
}

void ColPik::BarChanged(int component) {
    const std::array<QLabel*, 3> degrees = {lblRedDegree, lblGreenDegree, lblBlueDegree};
    const std::array<QScrollBar*, 3> bars = {hsrRed, hsrGreen, hsrBlue};
    for (int c = 0; c < 3; ++c)
        degrees[c]->setText(QString::number(bars[c]->value()));
    const int value = bars[component]->value();
    Fill(PicRGB[component], RGBValue(component == 0 ? value : 0, component == 1 ? value : 0,
                                     component == 2 ? value : 0));
    const std::uint32_t mixed = RGBValue(hsrRed->value(), hsrGreen->value(), hsrBlue->value());
    selected_ = mixed;
    Fill(Label1, mixed);
    if (redraw_) SetBaseColour(mixed);
    emit SelColor(mixed);
}

void ColPik::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), surface_);
}

void ColPik::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The fixed size changes only when the screen does.
    if (surface_.size() != size() * devicePixelRatioF()) DrawPalette();
}

void ColPik::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    // Releases over the bars and labels are theirs, not the surface's.
    if (childAt(at) || !rect().contains(at)) return;
    const qreal ratio = surface_.devicePixelRatio();
    const std::uint32_t colour = ValueFromColour(surface_.pixelColor(at * ratio));
    if (TwipScale::ForWidget(this).TwipsY(at.y()) >= kStripsTopTwips) redraw_ = false;
    SetBaseColour(colour);
    redraw_ = true;
    emit SelColor(colour);
}

}  // namespace lumeta
