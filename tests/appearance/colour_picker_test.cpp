#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "appearance/colour_contrast.h"
#include "appearance/colour_picker.h"
#include "controls/colour_value.h"
#include "controls/twips.h"

namespace lumeta {
namespace {

class ColPikTest : public ::testing::Test {
  protected:
    ColPikTest() { picker.show(); }

    QPoint Pixel(double x, double y) const { return TwipScale::ForWidget(&picker).Pixels(x, y); }
    QColor At(double x, double y) const { return picker.Surface().pixelColor(Pixel(x, y)); }
    // The band of the surface holding both shade strips.
    QImage Strips() const { return picker.Surface().copy(QRect(Pixel(0, 950), Pixel(280, 1375))); }
    static QColor Shown(const QLabel* label) { return label->palette().color(QPalette::Window); }
    std::uint32_t LastReported() const { return spy.last().at(0).value<std::uint32_t>(); }
    void ReleaseAt(double x, double y) {
        QTest::mouseClick(&picker, Qt::LeftButton, {}, Pixel(x, y));
    }

    ColPik picker;
    QSignalSpy spy{&picker, &ColPik::SelColor};
};

TEST_F(ColPikTest, DrawsThePaletteAndTheShadeStripsOfTheBaseColour) {
    const QColor red(200, 100, 50);
    picker.SetSchemeColor(ValueFromColour(red));
    EXPECT_EQ(At(235, 130), QColor(0, 128, 128));         // row 1, column 4: cyan
    EXPECT_EQ(At(40, 130 + 3 * 225), QColor(255, 0, 0));  // row 4, column 1: light red
    // Black to the colour above, white to the colour below, one line per twip.
    EXPECT_LT(At(12, 1050).value(), 16);
    EXPECT_EQ(At(266, 1050), red);
    EXPECT_GT(At(12, 1275).lightness(), 240);
    EXPECT_EQ(At(266, 1275), red);
    EXPECT_EQ(Shown(picker.Label1), red);
    EXPECT_EQ(LastReported(), ValueFromColour(red));

    // The ground takes the back colour; the numbers under the bars stay readable on it.
    for (const std::uint32_t ground : {RGBValue(250, 250, 240), RGBValue(20, 20, 40)}) {
        picker.SetBackColor(ground);
        EXPECT_EQ(At(600, 500), ColourFromValue(ground));
        EXPECT_EQ(Shown(picker.Label2), ColourFromValue(ground));
        for (QLabel* degree : {picker.lblRedDegree, picker.lblGreenDegree, picker.lblBlueDegree}) {
            const QColor ink = degree->palette().color(QPalette::WindowText);
            EXPECT_GE(ContrastRatio(ValueFromColour(ink), ground), 4.5) << ground;
        }
    }

    // A system colour shows as its current value.
    picker.SetSchemeColor(kSystemColourBit | 5);
    const QColor window = QApplication::palette().color(QPalette::Active, QPalette::Base);
    EXPECT_EQ(picker.SchemeColor(), ValueFromColour(window));
    EXPECT_EQ(picker.hsrBlue->value(), window.blue());
}

TEST_F(ColPikTest, ABarChangeAShadePickAndAPalettePickReportTheirColour) {
    picker.SetSchemeColor(RGBValue(255, 255, 255));
    picker.hsrGreen->setValue(0);
    EXPECT_EQ(LastReported(), RGBValue(255, 0, 255));
    EXPECT_EQ(picker.lblGreenDegree->text(), "0");
    EXPECT_EQ(At(266, 1050), QColor(255, 0, 255));  // the strips follow a bar

    picker.SetSchemeColor(RGBValue(200, 100, 50));
    const QImage before = Strips();  // and stay for a shade pick
    const QColor shade = At(140, 1275);
    spy.clear();
    ReleaseAt(140, 1275);
    EXPECT_EQ(LastReported(), ValueFromColour(shade));
    EXPECT_EQ(Strips(), before);

    ReleaseAt(235, 130);
    EXPECT_EQ(LastReported(), RGBValue(0, 128, 128));
    EXPECT_EQ(At(266, 1275), QColor(0, 128, 128));
}

}  // namespace
}  // namespace lumeta
