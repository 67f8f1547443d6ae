#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>

#include "controls/twips.h"

namespace lumeta {
namespace {

TEST(RoundHalfEven, TakesTheNearestWholeNumberAndTheEvenOneForAHalf) {
    EXPECT_EQ(RoundHalfEven(72.5), 72);
    EXPECT_EQ(RoundHalfEven(73.5), 74);
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
    EXPECT_EQ(RoundHalfEven(2.49), 2);
    EXPECT_EQ(RoundHalfEven(2.51), 3);
    EXPECT_EQ(RoundHalfEven(-2.51), -3);
}

TEST(TwipScale, FollowsTheLogicalDpiOfTheScreen) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    const TwipScale scale = TwipScale::ForScreen(screen);
    EXPECT_DOUBLE_EQ(scale.TwipsPerPixelX, 1440.0 / screen->logicalDotsPerInchX());
    EXPECT_DOUBLE_EQ(scale.TwipsPerPixelY, 1440.0 / screen->logicalDotsPerInchY());
    EXPECT_DOUBLE_EQ(TwipScale::ForWidget(nullptr).TwipsPerPixelX, scale.TwipsPerPixelX);
}

TEST(TwipScale, ConvertsBothWaysAt15And12TwipsPerPixel) {
    const TwipScale at96{15, 15};
    EXPECT_EQ(at96.PixelsX(885), 59);
    EXPECT_EQ(at96.PixelsY(345), 23);
    EXPECT_EQ(at96.PixelsX(2655), 177);
    EXPECT_DOUBLE_EQ(at96.TwipsX(59), 885);

    const TwipScale at120{12, 12};
    EXPECT_EQ(at120.PixelsX(885), 74);  // 73.75
    EXPECT_EQ(at120.PixelsY(30), 2);    // 2.5, halves to even
    EXPECT_EQ(at120.PixelsY(42), 4);    // 3.5
    EXPECT_DOUBLE_EQ(at120.TwipsY(10), 120);
}

TEST(TwipScale, RectanglesPlacedSideBySideInTwipsMeetInPixels) {
    const TwipScale at120{12, 12};
    const QRect first = at120.Pixels(0, 0, 885, 345);
    const QRect second = at120.Pixels(885, 0, 885, 345);
    const QRect third = at120.Pixels(1770, 0, 885, 345);
    EXPECT_EQ(first.right() + 1, second.left());
    EXPECT_EQ(second.right() + 1, third.left());
    EXPECT_EQ(third.right() + 1, at120.PixelsX(2655));
}

}  // namespace
}  // namespace lumeta
