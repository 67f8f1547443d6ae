#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "puzzlefiles/line_scanner.h"
#include "support/temp_dir.h"

namespace lumeta {
namespace {

using testing::TempDir;

// Counting and keeping a line in one pass gives what counting and then seeking gives.
void ExpectCountAndKeepAgreeWithScanLines(const std::string& file) {
    const std::int64_t lines = ScanLines(file).lines;
    for (std::int64_t n :
         {std::int64_t{-1}, std::int64_t{1}, std::int64_t{2}, lines - 1, lines, lines + 1}) {
        const LineScan one = CountAndKeepLine(file, n, 20);
        const LineScan seek = ScanLines(file, n == -1 ? lines : n, 20);
        EXPECT_EQ(one.lines, lines) << file << " line " << n;
        EXPECT_EQ(one.found, seek.found) << file << " line " << n;
        EXPECT_EQ(one.text, seek.text) << file << " line " << n;
    }
}

struct LineEndCase {
    const char* name;
    std::string bytes;
    std::int64_t lines;
};

class LineEnds : public ::testing::TestWithParam<LineEndCase> {};

TEST_P(LineEnds, CountAsTheFileFormatDefines) {
    TempDir dir;
    const auto& c = GetParam();
    EXPECT_EQ(ScanLines(dir.Write("f.txt", c.bytes)).lines, c.lines);
    for (const std::string& bytes : {c.bytes, c.bytes + "x", "x" + c.bytes})
        ExpectCountAndKeepAgreeWithScanLines(dir.Write("g.txt", bytes));
}

INSTANTIATE_TEST_SUITE_P(
    Files, LineEnds,
    ::testing::Values(
        LineEndCase{"Empty", "", 0}, LineEndCase{"OneLineNoEnd", "abc", 1},
        LineEndCase{"ThreeCrLf", "a\r\nb\r\nc\r\n", 3},
        LineEndCase{"ThreeCrLfLastOpen", "a\r\nb\r\nc", 3}, LineEndCase{"ThreeLf", "a\nb\nc\n", 3},
        LineEndCase{"ThreeCr", "a\rb\rc\r", 3}, LineEndCase{"MixedEnds", "a\rb\nc\r\nd", 4},
        LineEndCase{"LfCrIsTwoEnds", "a\n\rb", 3}, LineEndCase{"BlankLinesCount", "\n\n\r\n", 3},
        LineEndCase{"NulBytesAreText", std::string("a\0b\nc\0", 6), 2}),
    [](const auto& info) { return info.param.name; });

TEST(ScanLines, FindsAWantedLineAndKeepsOnlyItsFirstCharacters) {
    TempDir dir;
    const auto file = dir.Write("f.txt", "first\r\nsecond line\rthird\n\r\nfifth");
    EXPECT_EQ(ScanLines(file, 2, 6).text, "second");
    EXPECT_EQ(ScanLines(file, 3, 99).text, "third");
    EXPECT_TRUE(ScanLines(file, 4, 99).found && ScanLines(file, 4, 99).text.empty());  // there
    EXPECT_EQ(ScanLines(file, 5, 99).text, "fifth");
    EXPECT_FALSE(ScanLines(file, 6, 99).found);
    EXPECT_FALSE(ScanLines(dir.Write("g.txt", "a\r\n"), 2, 99).found);
    EXPECT_FALSE(ScanLines(dir.File("missing.txt")).readable);
}

// Line n (1-based) of a file of 15-digit numbered lines ending in CR LF.
std::string NumberedLine(std::int64_t n) {
    std::string text = std::to_string(n);
    return std::string(15 - text.size(), '0') + text;
}

TEST(ScanLines, HandlesACrLfSplitAcrossReadBlocks) {
    // 17-byte lines put the CR of line 61681 at the last byte of the first 1 MiB block
    // and its LF at the first byte of the next.
    TempDir dir;
    std::string bytes;
    const int lines = 200'000;
    for (int n = 1; n <= lines; ++n)
        bytes += NumberedLine(n) + "\r\n";
    ASSERT_EQ(bytes[(1 << 20) - 1], '\r');
    const auto file = dir.Write("big.txt", bytes);
    EXPECT_EQ(ScanLines(file).lines, lines);
    for (std::int64_t n = 61679; n <= 61684; ++n) {
        const LineScan scan = ScanLines(file, n, 20);
        ASSERT_TRUE(scan.found);
        EXPECT_EQ(scan.text, NumberedLine(n));
    }
    ExpectCountAndKeepAgreeWithScanLines(file);
    // The last line, whose line end is split.
    ExpectCountAndKeepAgreeWithScanLines(dir.Write("cut.txt", bytes.substr(0, (1 << 20) + 1)));
}

}  // namespace
}  // namespace lumeta
