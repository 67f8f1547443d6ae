#include "generator/digit_set.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumeta {
namespace {

TEST(RemoveDigits, StrikesTheFirstOccurrenceOfEachCharacterAndKeepsTheOrder) {
    EXPECT_EQ(RemoveDigits("123456", "25"), "1346");
    EXPECT_EQ(RemoveDigits("1346", "7"), "1346");
    EXPECT_EQ(RemoveDigits("532", "3"), "52");
    EXPECT_EQ(RemoveDigits("12", "33"), "12");
    EXPECT_EQ(RemoveDigits("", "12"), "");
}

TEST(CommonDigits, GivesTheDigitsOfBothInAscendingOrder) {
    EXPECT_EQ(CommonDigits("532", "245"), "25");
    EXPECT_EQ(CommonDigits("16", "25"), "");
}

TEST(CommonDigits, WithOneSideEmptyOrBlankGivesTheOther) {
    EXPECT_EQ(CommonDigits("", "245"), "245");
    EXPECT_EQ(CommonDigits("13", ""), "13");
    EXPECT_EQ(CommonDigits("  ", "245"), "245");
}

// Every candidate text: ascending digits without repeats, the empty one included.
std::vector<std::string> AllCandidateTexts() {
    std::vector<std::string> texts;
    for (int set = 0; set < 64; ++set)
        texts.push_back(DigitSetText(static_cast<DigitSet>(set)));
    return texts;
}

TEST(DigitSets, GiveTheSameResultsAsTheTextsForEveryPairOfCandidateTexts) {
    for (const std::string& a : AllCandidateTexts()) {
        for (const std::string& b : AllCandidateTexts()) {
            const DigitSet sa = DigitSetOf(a), sb = DigitSetOf(b);
            EXPECT_EQ(DigitSetText(CommonDigits(sa, sb)), CommonDigits(a, b)) << a << " " << b;
            EXPECT_EQ(DigitSetText(RemoveDigits(sa, sb)), RemoveDigits(a, b)) << a << " " << b;
        }
    }
}

TEST(DigitSets, ConvertToAndFromAscendingTexts) {
    EXPECT_EQ(DigitSetText(DigitSetOf("532")), "235");
    EXPECT_EQ(DigitSetText(kAllDigits), "123456");
    EXPECT_EQ(DigitSetText(0), "");
    EXPECT_EQ(DigitCount(DigitSetOf("245")), 3);
    EXPECT_TRUE(IsSingleDigit(DigitSetOf("4")));
    EXPECT_EQ(SingleDigit(DigitSetOf("4")), 4);
    EXPECT_FALSE(IsSingleDigit(0));
    EXPECT_FALSE(IsSingleDigit(DigitSetOf("45")));
}

TEST(ComplementDigits, PairsEachDigitWithTheOneThatMakesSeven) {
    EXPECT_EQ(DigitSetText(ComplementDigits(DigitSetOf("245"))), "235");
    EXPECT_EQ(ComplementDigits(kAllDigits), kAllDigits);
    EXPECT_EQ(ComplementDigits(0), 0);
}

}  // namespace
}  // namespace lumeta
