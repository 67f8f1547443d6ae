#include "app/button_pictures.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>
#include <vector>

namespace lumeta {
namespace {

const std::vector<ButtonPicture> kAll = {ButtonPicture::OpenFile, ButtonPicture::Previous,
                                         ButtonPicture::Random,   ButtonPicture::Next,
                                         ButtonPicture::Create,   ButtonPicture::ShowSolution,
                                         ButtonPicture::Undo};

int OpaquePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 128) ++count;
    return count;
}

TEST(ButtonPicturesTest, DrawsEveryPictureDistinctAndWithinItsSquare) {
    std::vector<QImage> images;
    for (ButtonPicture picture : kAll) {
        const QImage image = ButtonPicturePixmap(picture, 16).toImage();
        EXPECT_EQ(image.size(), QSize(16, 16));
        const int opaque = OpaquePixels(image);
        EXPECT_GT(opaque, 30) << static_cast<int>(picture);
        EXPECT_LT(opaque, 16 * 16) << static_cast<int>(picture);  // a shape, not a block
        for (const QImage& other : images)
            EXPECT_NE(image, other) << static_cast<int>(picture);
        images.push_back(image);
    }
    // Previous and next are mirror images of each other, up to the edges' smoothing.
    const QImage mirrored = images[1].mirrored(true, false);
    int differing = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if (std::abs(qAlpha(mirrored.pixel(x, y)) - qAlpha(images[3].pixel(x, y))) > 64)
                ++differing;
    EXPECT_LE(differing, 4);
}

TEST(ButtonPicturesTest, DrawsAtTheDevicePixelRatio) {
    const QPixmap sharp = ButtonPicturePixmap(ButtonPicture::Undo, 16, 2.0);
    EXPECT_EQ(sharp.size(), QSize(32, 32));
    EXPECT_EQ(sharp.deviceIndependentSize(), QSizeF(16, 16));
    EXPECT_GT(OpaquePixels(sharp.toImage()),
              3 * OpaquePixels(ButtonPicturePixmap(ButtonPicture::Undo, 16).toImage()));
}

TEST(ButtonPicturesTest, FadesThePictureOfAnUnavailableCommandToGrey) {
    const QImage faded = ButtonPicturePixmap(ButtonPicture::OpenFile, 16, 1.0, false).toImage();
    const QImage normal = ButtonPicturePixmap(ButtonPicture::OpenFile, 16).toImage();
    int shown = 0;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const QColor colour = faded.pixelColor(x, y);
            EXPECT_LE(colour.alpha(), normal.pixelColor(x, y).alpha() / 2 + 1);
            if (colour.alpha() < 40) continue;
            ++shown;
            EXPECT_NEAR(colour.red(), colour.green(), 2);
            EXPECT_NEAR(colour.green(), colour.blue(), 2);
        }
    }
    EXPECT_GT(shown, 30);
}

}  // namespace
}  // namespace lumeta
