// The print window's range box: any typed text gives a verdict, an accepted range lies
// within 1..the file's count at its start and in order, and its tag reads back the same.
#include <cstdint>
#include <cstring>
#include <string_view>

#include "fuzz_support.h"
#include "output/print_range.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lumeta;
    if (size < 2) return 0;
    // The first two bytes choose the file's count, the rest is the typed text.
    const int count = (data[0] << 8) | data[1];
    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);
    const PrintRangeChoice choice = ParsePrintRange(text, count);
    LUMETA_FUZZ_REQUIRE(!PrintRangeMessage(PrintRangeChoice::Verdict::SpecifyRange).empty());
    if (choice.verdict == PrintRangeChoice::Verdict::Accepted) {
        LUMETA_FUZZ_REQUIRE(choice.from >= 1 && choice.from <= count);
        LUMETA_FUZZ_REQUIRE(choice.from <= choice.to);
        const auto back = ReadPrintRangeTag(PrintRangeTag(choice.from, choice.to));
        LUMETA_FUZZ_REQUIRE(back && back->from == choice.from && back->to == choice.to);
    }
    ReadPrintRangeTag(text);
    return 0;
}
