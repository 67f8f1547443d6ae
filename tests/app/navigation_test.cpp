#include "app/navigation.h"

#include <gtest/gtest.h>

#include <set>

namespace lumeta {
namespace {

constexpr int kLeft = 1;
constexpr int kRight = 2;

class NavigateTargetTest : public ::testing::Test {
  protected:
    std::optional<int> Target(int index, int button, int no, int count) {
        return NavigateTarget(index, button, no, count, random);
    }
    RandomSource random = RandomSource::Fixed(7);
};

TEST_F(NavigateTargetTest, RightButtonGoesToTheFirstOrTheLast) {
    EXPECT_EQ(Target(kPrevious, kRight, 1, 10), 1);
    EXPECT_EQ(Target(kPrevious, kRight, 7, 10), 1);
    EXPECT_EQ(Target(kNext, kRight, 10, 10), 10);
    EXPECT_EQ(Target(kNext, kRight, 3, 10), 10);
    // The middle button counts as the left one.
    EXPECT_EQ(Target(kNext, 4, 3, 10), 4);
}

TEST_F(NavigateTargetTest, RandomPicksAnyPuzzleOfTheFileWhateverTheButton) {
    std::set<int> seen;
    for (int i = 0; i < 400; ++i) {
        const std::optional<int> target = Target(kRandom, i % 2 ? kRight : kLeft, 3, 10);
        ASSERT_TRUE(target);
        ASSERT_GE(*target, 1);
        ASSERT_LE(*target, 10);
        seen.insert(*target);
    }
    EXPECT_EQ(seen.size(), 10u);  // the current puzzle may come again too
}

TEST_F(NavigateTargetTest, AnEmptiedFileLeadsToZeroOrOne) {
    EXPECT_EQ(Target(kPrevious, kLeft, 1, 0), 0);
    EXPECT_EQ(Target(kPrevious, kLeft, 4, 0), 3);
    EXPECT_EQ(Target(kNext, kLeft, 4, 0), 1);
    EXPECT_EQ(Target(kRandom, kLeft, 4, 0), 1);
}

TEST_F(NavigateTargetTest, AnUnknownIndexLeadsNowhere) {
    EXPECT_FALSE(Target(3, kLeft, 1, 10));
    EXPECT_FALSE(Target(-1, kLeft, 1, 10));
}

}  // namespace
}  // namespace lumeta
