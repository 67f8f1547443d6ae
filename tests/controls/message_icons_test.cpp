#include <gtest/gtest.h>

#include <QImage>
#include <set>

#include "controls/message_icons.h"

namespace lumeta {
namespace {

int OpaquePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0) ++count;
    return count;
}

TEST(MessageIconPixmap, DrawsNineDistinctPicturesAndLeavesSlots9And10Empty) {
    std::set<size_t> seen;
    for (int slot = 0; slot <= 8; ++slot) {
        const QImage image = MessageIconPixmap(slot).toImage();
        ASSERT_EQ(image.size(), QSize(32, 32)) << slot;
        // A picture fills a good part of its square and keeps its corners clear.
        EXPECT_GT(OpaquePixels(image), 32 * 32 / 4) << slot;
        EXPECT_EQ(qAlpha(image.pixel(0, 31)), 0) << slot;
        seen.insert(qHash(
            QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes())));
    }
    EXPECT_EQ(seen.size(), 9u);
    EXPECT_EQ(OpaquePixels(MessageIconPixmap(9).toImage()), 0);
    EXPECT_EQ(OpaquePixels(MessageIconPixmap(10).toImage()), 0);
}

TEST(MessageIconPixmap, RendersAtTheDevicePixelRatio) {
    const QPixmap sharp = MessageIconPixmap(5, 32, 2.0);
    EXPECT_EQ(sharp.size(), QSize(64, 64));
    EXPECT_EQ(sharp.deviceIndependentSize(), QSizeF(32, 32));
    // Same drawing, twice the pixels: an eye lies at the same logical place.
    const QImage plain = MessageIconPixmap(5).toImage();
    const QImage doubled = sharp.toImage();
    EXPECT_LT(qGray(plain.pixel(11, 12)), 100);
    EXPECT_LT(qGray(doubled.pixel(22, 25)), 100);
    EXPECT_GT(qGray(doubled.pixel(32, 30)), 150);  // face between the eyes
}

}  // namespace
}  // namespace lumeta
