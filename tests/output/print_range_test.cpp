#include <gtest/gtest.h>

#include "output/print_range.h"

namespace lumeta {
namespace {

using Verdict = PrintRangeChoice::Verdict;

std::string Read(std::string_view text, int count = 20) {
    const PrintRangeChoice choice = ParsePrintRange(text, count);
    if (choice.verdict != Verdict::Accepted) return PrintRangeMessage(choice.verdict);
    return std::to_string(choice.from) + ".." + std::to_string(choice.to);
}

TEST(PrintRange, ReadsEachSideAsTheNumberItStartsWithAndRefusesWhatIsNoRange) {
    // The end may lie beyond the file; halves go to the even neighbour.
    const char* read[][2] = {{" 5-10", "5..10"},    {"5 - 10", "5..10"},
                             {"3-3", "3..3"},       {"15-30", "15..30"},
                             {"2x-7abc", "2..7"},   {"2.5-3.5", "2..4"},
                             {"1e1-2e1", "10..20"}, {"20-2147483647", "20..2147483647"}};
    for (const auto& [text, range] : read)
        EXPECT_EQ(Read(text), range) << '"' << text << '"';
    for (const char* refused : {"5-", "-7", "10-5", "7", "", "   ", "0-3", "5--6", "a-b",
                                "3000000000-3000000001", "1-1e300", "1-99999999999999999999"})
        EXPECT_EQ(Read(refused), "Specify print range") << '"' << refused << '"';
    EXPECT_EQ(Read("21-30"), "Print range not correct");
}

TEST(PrintRange, TheTagCarriesBothNumbersWhateverTheirSize) {
    for (const auto& [from, to] : {std::pair(5, 10), std::pair(5, 123456), std::pair(99999, 100000),
                                   std::pair(1, 2147483647)}) {
        const auto read = ReadPrintRangeTag(PrintRangeTag(from, to));
        ASSERT_TRUE(read);
        EXPECT_EQ(std::pair(read->from, read->to), std::pair(from, to));
    }
    for (const char* bad : {"", "X", "00005", "000050001", "00005a0010"})
        EXPECT_FALSE(ReadPrintRangeTag(bad)) << bad;
}

}  // namespace
}  // namespace lumeta
