#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include "controls/box_control.h"
#include "controls/colour_value.h"
#include "controls/twips.h"

namespace lumeta {
namespace {

struct MouseArgs {
    int button;
    int shift;
    float x;
    float y;
};

MouseArgs ArgsOf(const QList<QVariant>& signal) {
    return {signal.at(0).toInt(), signal.at(1).toInt(), signal.at(2).toFloat(),
            signal.at(3).toFloat()};
}

QColor PixelAt(const QImage& image, int x, int y) {
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
        holder.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&holder));
    }

    TwipScale Scale() const { return TwipScale::ForWidget(&button); }
    QImage Render() { return button.grab().toImage(); }

    QWidget holder;
    BoxControl button;
    QSignalSpy downs;
    QSignalSpy ups;
};

TEST_F(BoxControlTest, NewButtonStartsWithTheSavedPropertyDefaults) {
    BoxControl fresh(&holder);
    EXPECT_TRUE(fresh.Enabled());
    EXPECT_EQ(fresh.Caption(), "");
    EXPECT_EQ(fresh.BorderStyle(), 0);
    EXPECT_EQ(fresh.ForeColor(), 0x80000012u);
    EXPECT_EQ(fresh.BackColor(), 0x80000012u);
    EXPECT_FLOAT_EQ(fresh.FontSize(), 8.0f);
    EXPECT_FALSE(fresh.FontBold());
    EXPECT_FALSE(fresh.FontItalic());
    EXPECT_EQ(fresh.Font().family(), holder.font().family());
    EXPECT_TRUE(fresh.Picture().isNull());
}

TEST_F(BoxControlTest, FontPropertiesChangeTheCaptionFont) {
    button.SetFontSize(12.5f);
    button.SetFontBold(true);
    button.SetFontItalic(true);
    EXPECT_FLOAT_EQ(button.FontSize(), 12.5f);
    EXPECT_TRUE(button.FontBold());
    EXPECT_TRUE(button.Font().italic());
    button.SetFontSize(0);  // not a size: ignored
    EXPECT_FLOAT_EQ(button.FontSize(), 12.5f);
}

TEST_F(BoxControlTest, LeftPressAndReleaseRaiseDownAndUpWithTwipPositions) {
    QTest::mousePress(&button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 5));
    ASSERT_EQ(downs.count(), 1);
    EXPECT_EQ(ups.count(), 0);
    EXPECT_EQ(button.BorderStyle(), 1);
    const MouseArgs down = ArgsOf(downs.at(0));
    EXPECT_EQ(down.button, 1);
    EXPECT_EQ(down.shift, 0);
    EXPECT_FLOAT_EQ(down.x, static_cast<float>(10 * Scale().TwipsPerPixelX));
    EXPECT_FLOAT_EQ(down.y, static_cast<float>(5 * Scale().TwipsPerPixelY));

    QTest::mouseRelease(&button, Qt::LeftButton, Qt::NoModifier, QPoint(12, 6));
    ASSERT_EQ(ups.count(), 1);
    EXPECT_EQ(button.BorderStyle(), 0);
    const MouseArgs up = ArgsOf(ups.at(0));
    EXPECT_EQ(up.button, 1);
    EXPECT_FLOAT_EQ(up.x, static_cast<float>(12 * Scale().TwipsPerPixelX));
}

TEST_F(BoxControlTest, RightAndMiddleButtonsAndShiftStateAreReported) {
    QTest::mousePress(&button, Qt::RightButton, Qt::NoModifier, QPoint(3, 3));
    QTest::mouseRelease(&button, Qt::RightButton, Qt::NoModifier, QPoint(3, 3));
    QTest::mousePress(&button, Qt::MiddleButton, Qt::ShiftModifier | Qt::ControlModifier,
                      QPoint(3, 3));
    QTest::mouseRelease(&button, Qt::MiddleButton, Qt::AltModifier, QPoint(3, 3));
    ASSERT_EQ(downs.count(), 2);
    ASSERT_EQ(ups.count(), 2);
    EXPECT_EQ(ArgsOf(downs.at(0)).button, 2);
    EXPECT_EQ(ArgsOf(ups.at(0)).button, 2);
    EXPECT_EQ(ArgsOf(downs.at(1)).button, 4);
    EXPECT_EQ(ArgsOf(downs.at(1)).shift, 3);
    EXPECT_EQ(ArgsOf(ups.at(1)).shift, 4);
}

TEST_F(BoxControlTest, ReleaseAfterThePointerLeftStillRaisesMouseUp) {
    // Through the window, so the release is routed as the platform routes it.
    QWindow* window = holder.windowHandle();
    ASSERT_NE(window, nullptr);
    const QPoint inside = button.geometry().center();
    const QPoint outside(180, 90);
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, inside);
    QTest::mouseMove(window, outside);
    EXPECT_EQ(button.BorderStyle(), 1);
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, outside);
    EXPECT_EQ(downs.count(), 1);
    ASSERT_EQ(ups.count(), 1);
    EXPECT_EQ(button.BorderStyle(), 0);
    // The release lies right of and below the button, in its own coordinates.
    EXPECT_GT(ArgsOf(ups.at(0)).x, Scale().TwipsX(button.width()));
}

TEST_F(BoxControlTest, DisabledButtonRaisesNothingAndLooksTheSame) {
    button.SetCaption("Go");
    button.SetBackColor(kSystemColourBit | 15);  // follows the palette
    button.SetForeColor(kSystemColourBit | 18);
    const QImage enabledLook = Render();

    button.SetEnabled(false);
    EXPECT_FALSE(button.Enabled());
    EXPECT_EQ(Render(), enabledLook);
    QWindow* window = holder.windowHandle();
    const QPoint inside = button.geometry().center();
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, inside);
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, inside);
    EXPECT_EQ(downs.count(), 0);
    EXPECT_EQ(ups.count(), 0);
    EXPECT_EQ(button.BorderStyle(), 0);

    button.SetEnabled(true);
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, inside);
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, inside);
    EXPECT_EQ(downs.count(), 1);
    EXPECT_EQ(ups.count(), 1);
}

TEST_F(BoxControlTest, DrawsAFlatFaceWithLightAndDarkEdgesAndACentredCaption) {
    button.SetBackColor(RGBValue(200, 200, 200));
    button.SetForeColor(RGBValue(200, 0, 0));
    button.SetCaption("!");
    const QImage image = Render();
    const int w = image.width();
    const int h = image.height();
    const TwipScale scale = Scale();
    const double W = scale.TwipsX(w);
    const double H = scale.TwipsY(h);
    const int right = scale.PixelsX(W - 20);
    const int bottom = scale.PixelsY(H - 20);

    EXPECT_EQ(PixelAt(image, 0, 0), Qt::white);
    EXPECT_EQ(PixelAt(image, 0, h - 1), Qt::white);
    EXPECT_EQ(PixelAt(image, w - 1, 0), Qt::white);
    EXPECT_EQ(PixelAt(image, right, h / 2), Qt::black);
    EXPECT_EQ(PixelAt(image, w / 2 + 10, bottom), Qt::black);
    EXPECT_EQ(PixelAt(image, right, bottom), Qt::black);
    EXPECT_EQ(PixelAt(image, 3, 3), QColor(200, 200, 200));
    if (right < w - 1) {
        EXPECT_EQ(PixelAt(image, w - 1, h / 2), QColor(200, 200, 200));
    }

    // The caption's ink sits in the middle of the face.
    int minX = w, maxX = -1, minY = h, maxY = -1;
    for (int y = 1; y < h - 2; ++y)
        for (int x = 1; x < w - 2; ++x) {
            const QColor c = PixelAt(image, x, y);
            if (c.red() > 150 && c.green() < 120) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
                minY = std::min(minY, y);
                maxY = std::max(maxY, y);
            }
        }
    ASSERT_GE(maxX, 0) << "no caption drawn";
    EXPECT_NEAR((minX + maxX) / 2.0, (w - 1) / 2.0, 2.0);
    EXPECT_NEAR((minY + maxY) / 2.0, (h - 1) / 2.0, 3.0);
}

TEST_F(BoxControlTest, NewBackColourRepaintsTheWholeFace) {
    button.SetBackColor(RGBValue(200, 200, 200));
    button.SetCaption("Next");
    (void)Render();
    button.SetBackColor(RGBValue(0, 0, 160));
    const QImage image = Render();
    EXPECT_EQ(PixelAt(image, 3, 3), QColor(0, 0, 160));
    EXPECT_EQ(PixelAt(image, image.width() - 4, image.height() - 4), QColor(0, 0, 160));
    EXPECT_EQ(PixelAt(image, 0, 0), Qt::white);
}

TEST_F(BoxControlTest, PressShowsASingleLineBorderUntilRelease) {
    button.SetBackColor(RGBValue(200, 200, 200));
    QTest::mousePress(&button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    const QImage pressed = Render();
    EXPECT_EQ(PixelAt(pressed, 0, 0), Qt::black);
    EXPECT_EQ(PixelAt(pressed, pressed.width() / 2, 0), Qt::black);
    EXPECT_EQ(PixelAt(pressed, 1, 1), Qt::white);  // the face's edge, inside the border
    QTest::mouseRelease(&button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    const QImage released = Render();
    EXPECT_EQ(PixelAt(released, 0, 0), Qt::white);
    EXPECT_EQ(PixelAt(released, released.width() / 2, 0), Qt::white);
}

TEST_F(BoxControlTest, PicturePlacementFollowsItsHimetricSize) {
    const TwipScale scale = Scale();
    if (scale.TwipsPerPixelX != 15 || scale.TwipsPerPixelY != 15)
        GTEST_SKIP() << "the figures are for a 96 dpi screen";
    QPixmap picture(16, 16);
    picture.fill(QColor(255, 0, 0));
    button.SetBackColor(RGBValue(200, 200, 200));
    button.SetPicture(picture);
    EXPECT_EQ(button.PictureHimetric(), QSize(423, 423));
    const QPointF at = button.PicturePosition(315, 330);
    EXPECT_DOUBLE_EQ(at.x(), 27.75);
    EXPECT_DOUBLE_EQ(at.y(), 35.25);

    // In a 315 × 330 twip button (21 × 22 pixels) it starts at pixel (2, 2).
    button.resize(21, 22);
    const QImage image = Render();
    EXPECT_EQ(PixelAt(image, 2, 2), QColor(255, 0, 0));
    EXPECT_EQ(PixelAt(image, 17, 17), QColor(255, 0, 0));
    EXPECT_NE(PixelAt(image, 1, 1), QColor(255, 0, 0));
    EXPECT_NE(PixelAt(image, 18, 18), QColor(255, 0, 0));
    EXPECT_EQ(PixelAt(image, 5, 21), Qt::black);  // the dark edge below it stays

    button.SetPicture(QPixmap());
    EXPECT_EQ(PixelAt(Render(), 5, 5), QColor(200, 200, 200));
}

TEST_F(BoxControlTest, HighDpiPictureKeepsItsLogicalSize) {
    QPixmap sharp(32, 32);
    sharp.setDevicePixelRatio(2.0);
    sharp.fill(Qt::red);
    QPixmap plain(16, 16);
    plain.fill(Qt::red);
    button.SetPicture(sharp);
    const QSize sharpSize = button.PictureHimetric();
    button.SetPicture(plain);
    EXPECT_EQ(sharpSize, button.PictureHimetric());
}

}  // namespace
}  // namespace lumeta
