#include "generator/random_source.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <vector>

namespace lumeta {
namespace {

std::vector<double> Draws(RandomSource& random, int count) {
    std::vector<double> values;
    for (int i = 0; i < count; ++i)
        values.push_back(random.DrawUnit());
    return values;
}

TEST(RandomSource, WithAFixedSeedRepeatsItsDrawsExactly) {
    RandomSource first = RandomSource::Fixed(42);
    RandomSource second = RandomSource::Fixed(42);
    EXPECT_EQ(Draws(first, 100), Draws(second, 100));
}

TEST(RandomSource, WithDifferentSeedsDrawsDifferently) {
    RandomSource first = RandomSource::Fixed(1);
    RandomSource second = RandomSource::Fixed(2);
    EXPECT_NE(Draws(first, 20), Draws(second, 20));
}

TEST(RandomSource, ReseededWithAnUnchangedTimerValueDoesNotRepeatEarlierDraws) {
    RandomSource random = RandomSource::Fixed(7, 43200.5f);  // the timer never moves
    const std::vector<double> values = Draws(random, 20000);
    EXPECT_EQ(std::set<double>(values.begin(), values.end()).size(), values.size());

    random.Reseed(100.0f);
    const double a = random.Next();
    random.Reseed(100.0f);
    const double b = random.Next();
    EXPECT_NE(a, b);
}

TEST(RandomSource, DrawsWholeNumbersFromOneToNEvenly) {
    RandomSource random = RandomSource::Fixed(3);
    std::array<int, 7> counts{};
    for (int i = 0; i < 60000; ++i) {
        const int j = random.Draw(6);
        ASSERT_GE(j, 1);
        ASSERT_LE(j, 6);
        ++counts[j];
    }
    for (int j = 1; j <= 6; ++j)
        EXPECT_NEAR(counts[j], 10000, 500) << j;
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(random.Draw(1), 1);
}

TEST(RandomSource, DrawsUnitValuesFromZeroUpToOne) {
    RandomSource random = RandomSource::Fixed(9);
    for (double value : Draws(random, 10000)) {
        EXPECT_GE(value, 0.0);
        EXPECT_LT(value, 1.0);
    }
}

TEST(RandomSource, FromTheClockReadsSecondsSinceMidnight) {
    RandomSource random = RandomSource::FromClock();
    const float timer = random.Timer();
    EXPECT_GE(timer, 0.0f);
    EXPECT_LT(timer, 86401.0f);
    EXPECT_EQ(RandomSource::Fixed(1, 123.25f).Timer(), 123.25f);
}

TEST(RandomSource, FromTheClockStartsEachSourceOnItsOwnStream) {
    RandomSource first = RandomSource::FromClock();
    RandomSource second = RandomSource::FromClock();
    EXPECT_NE(Draws(first, 10), Draws(second, 10));
}

}  // namespace
}  // namespace lumeta
