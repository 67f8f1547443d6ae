#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <set>

#include "controls/message_icons.h"

namespace lumeta {
namespace {

long OpaquePixels(const QImage& image) {
    const QImage alpha = image.convertToFormat(QImage::Format_Alpha8);  // 32 bytes a line
    return std::count_if(alpha.constBits(), alpha.constBits() + alpha.sizeInBytes(),
                         [](uchar a) { return a > 0; });
}

TEST(MessageIconPixmap, DrawsNineDistinctPicturesSharpAtAnyPixelRatioAndTwoEmptySlots) {
    std::set<QByteArray> seen;
    for (int slot = 0; slot <= 10; ++slot) {
        const QImage image = MessageIconPixmap(slot).toImage();
        ASSERT_EQ(image.size(), QSize(32, 32)) << slot;
        // A picture fills a good part of its square; slots 9 and 10 are empty.
        EXPECT_EQ(OpaquePixels(image) > 32 * 32 / 4, slot <= 8) << slot;
        EXPECT_EQ(qAlpha(image.pixel(0, 31)), 0) << slot;
        seen.insert(
            QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
    }
    EXPECT_EQ(seen.size(), 10u);  // nine pictures and the empty square
    // Twice the pixels for the same drawing: the happy face's eye lies at the same place.
    const QPixmap sharp = MessageIconPixmap(5, 32, 2.0);
    EXPECT_EQ(sharp.deviceIndependentSize(), QSizeF(32, 32));
    EXPECT_LT(qGray(MessageIconPixmap(5).toImage().pixel(11, 12)), 100);
    EXPECT_LT(qGray(sharp.toImage().pixel(22, 25)), 100);
    EXPECT_GT(qGray(sharp.toImage().pixel(32, 30)), 150);  // the face between the eyes
}

}  // namespace
}  // namespace lumeta
