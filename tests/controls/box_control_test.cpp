#include <gtest/gtest.h>

#include <QImage>
#include <QSignalSpy>
#include <QWindow>

#include "controls/box_control.h"
#include "controls/colour_value.h"
#include "controls/controls_test_helpers.h"
#include "controls/twips.h"

namespace lumeta {
namespace {

using lumeta::testing::Caught;
using lumeta::testing::MouseArgs;
const QColor kFace(200, 200, 200);

QColor Pixel(const QImage& image, int x, int y) {
    return QColor(image.pixel(x, y));
}

class BoxControlTest : public ::testing::Test {
  protected:
    BoxControlTest()
        : button(&holder),
          downs(&button, &BoxControl::MouseDown),
          ups(&button, &BoxControl::MouseUp) {
        holder.resize(200, 100);
        button.setGeometry(20, 10, 81, 25);
        button.SetBackColor(ValueFromColour(kFace));
        // The face without the frame a focused button shows.
        button.setFocusPolicy(Qt::NoFocus);
        holder.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&holder));
    }

    TwipScale Scale() const { return TwipScale::ForWidget(&button); }
    QImage Render() { return button.grab().toImage(); }
    // Through the window, so the release is routed as the platform routes it.
    void PressAndRelease(QPoint at, QPoint releaseAt) {
        QTest::mousePress(holder.windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseMove(holder.windowHandle(), releaseAt);
        QTest::mouseRelease(holder.windowHandle(), Qt::LeftButton, Qt::NoModifier, releaseAt);
    }

    QWidget holder;
    BoxControl button;
    QSignalSpy downs, ups;
};

TEST_F(BoxControlTest, TheCaptionFontStartsAtEightPointsAndTakesSizeBoldAndItalicOneByOne) {
    BoxControl fresh(&holder);
    EXPECT_FLOAT_EQ(fresh.FontSize(), 8.0f);
    EXPECT_EQ(fresh.Font().family(), holder.font().family());
    fresh.SetFontSize(12.5f);
    fresh.SetFontSize(0);  // not a size: ignored
    fresh.SetFontBold(true);
    fresh.SetFontItalic(true);
    EXPECT_TRUE(fresh.Font().pointSizeF() == 12.5 && fresh.Font().bold() && fresh.Font().italic());
}

TEST_F(BoxControlTest, PressAndReleaseRaiseDownAndUpEvenOutsideAndShowABorderMeanwhile) {
    QTest::mousePress(&button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 5));
    EXPECT_EQ(button.BorderStyle(), 1);
    EXPECT_EQ(Pixel(Render(), button.width() / 2, 0), Qt::black);  // the single-line border
    EXPECT_EQ(Pixel(Render(), 1, 1), Qt::white);                   // the face's edge inside it
    QTest::mouseRelease(&button, Qt::LeftButton, Qt::NoModifier, QPoint(12, 6));
    EXPECT_EQ(button.BorderStyle(), 0);
    EXPECT_EQ(Pixel(Render(), button.width() / 2, 0), Qt::white);

    QTest::mousePress(&button, Qt::RightButton, Qt::NoModifier, QPoint(3, 4));
    QTest::mouseRelease(&button, Qt::RightButton, Qt::NoModifier, QPoint(3, 4));
    QTest::mousePress(&button, Qt::MiddleButton, Qt::ShiftModifier | Qt::ControlModifier, {3, 4});
    QTest::mouseRelease(&button, Qt::MiddleButton, Qt::AltModifier, QPoint(3, 4));
    EXPECT_EQ(MouseArgs(&button, downs), (Caught{{1, 0, 10, 5}, {2, 0, 3, 4}, {4, 3, 3, 4}}));
    EXPECT_EQ(MouseArgs(&button, ups), (Caught{{1, 0, 12, 6}, {2, 0, 3, 4}, {4, 4, 3, 4}}));

    // The release comes also when the pointer left the button, in the button's coordinates.
    PressAndRelease(button.geometry().center(), QPoint(180, 90));
    EXPECT_EQ(button.BorderStyle(), 0);
    EXPECT_GT(MouseArgs(&button, ups).at(3).at(2), button.width());
}

TEST_F(BoxControlTest, DisabledButtonRaisesNothingAndLooksTheSame) {
    button.SetCaption("Go");
    button.SetBackColor(kSystemColourBit | 15);  // system colours follow the palette
    button.SetForeColor(kSystemColourBit | 18);
    const QImage enabledLook = Render();
    button.SetEnabled(false);
    EXPECT_EQ(Render(), enabledLook);
    PressAndRelease(button.geometry().center(), button.geometry().center());
    EXPECT_EQ(downs.count() + ups.count(), 0);
    button.SetEnabled(true);
    PressAndRelease(button.geometry().center(), button.geometry().center());
    EXPECT_EQ(downs.count() + ups.count(), 2);
}

TEST_F(BoxControlTest, DrawsAFlatFaceWithLightAndDarkEdgesAndACentredCaption) {
    button.SetForeColor(RGBValue(200, 0, 0));
    button.SetCaption("!");
    const QImage image = Render();
    const int w = image.width(), h = image.height();
    EXPECT_EQ(Pixel(image, 0, h - 1), Qt::white);
    EXPECT_EQ(Pixel(image, w - 1, 0), Qt::white);
    EXPECT_EQ(Pixel(image, Scale().PixelsX(Scale().TwipsX(w) - 20), h / 2), Qt::black);
    EXPECT_EQ(Pixel(image, w / 2 + 10, Scale().PixelsY(Scale().TwipsY(h) - 20)), Qt::black);
    EXPECT_EQ(Pixel(image, 3, 3), kFace);
    QRect ink;  // the caption's
    for (int y = 1; y < h - 2; ++y)
        for (int x = 1; x < w - 2; ++x)
            if (Pixel(image, x, y).red() > 150 && Pixel(image, x, y).green() < 120)
                ink |= QRect(x, y, 1, 1);
    ASSERT_FALSE(ink.isNull()) << "no caption drawn";
    EXPECT_NEAR(ink.left() + ink.right(), w - 1, 4);
    EXPECT_NEAR(ink.top() + ink.bottom(), h - 1, 6);
}

TEST_F(BoxControlTest, PicturePlacementFollowsItsHimetricSizeAtAnyPixelRatio) {
    if (Scale().TwipsPerPixelX != 15 || Scale().TwipsPerPixelY != 15)
        GTEST_SKIP() << "the figures are for a 96 dpi screen";
    // In a 315 × 330 twip button (21 × 22 pixels) a 16-pixel picture covers pixels 2..17.
    button.resize(21, 22);
    for (const qreal ratio : {1.0, 2.0}) {
        QPixmap picture(QSize(16, 16) * ratio);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::red);
        button.SetPicture(picture);
        const QImage image = Render();
        EXPECT_EQ(Pixel(image, 2, 2), Qt::red) << ratio;
        EXPECT_EQ(Pixel(image, 17, 17), Qt::red) << ratio;
        EXPECT_NE(Pixel(image, 1, 1), Qt::red) << ratio;
        EXPECT_NE(Pixel(image, 18, 18), Qt::red) << ratio;
    }
}

}  // namespace
}  // namespace lumeta
