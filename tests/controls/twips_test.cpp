#include <gtest/gtest.h>

#include "controls/twips.h"

namespace lumeta {
namespace {

TEST(TwipScale, RoundsHalvesToEvenAndPlacesRectanglesWithoutGaps) {
    const std::pair<double, int> halves[] = {{72.5, 72},      {73.5, 74},   {-0.5, 0},   {-1.5, -2},
                                             {2.49, 2},       {2.51, 3},    {-2.51, -3}, {0.5, 0},
                                             {-22.4667, -22}, {60.6667, 61}};
    for (const auto& [value, rounded] : halves)
        EXPECT_EQ(RoundHalfEven(value), rounded) << value;

    // At 120 dpi (12 twips per pixel) three 885-twip buttons side by side meet exactly.
    const TwipScale at120{12, 12};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(at120.Pixels(885 * i, 0, 885, 345).right() + 1, at120.PixelsX(885 * (i + 1)))
            << i;
}

}  // namespace
}  // namespace lumeta
