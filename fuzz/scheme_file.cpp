// The scheme file: listing, loading and previewing any bytes as a scheme file never
// breaks, every listed name is loadable or refused cleanly, and the derived slots stay
// within their bounds.
#include <cstdint>
#include <sstream>
#include <string>

#include "appearance/scheme_file.h"
#include "board/num_text.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lumeta;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::istringstream listed(bytes);
    const std::vector<std::string> names = ListSchemes(listed);
    std::size_t tried = 0;
    for (const std::string& name : names) {
        if (++tried > 4) break;
        SchemeSlots table{};
        std::istringstream loaded(bytes);
        if (LoadScheme(loaded, name + ".col", table)) {
            // Slot 3 is a lightened slot 2 and slot 5 a darkened slot 4: every component of
            // either lies in 0..255 whatever the lines held.
            for (int slot : {3, 5})
                LUMETA_FUZZ_REQUIRE(table[slot] <= 0xFFFFFFu);
        }
        SchemeSlots preview{};
        std::istringstream previewed(bytes);
        PreviewScheme(previewed, name + ".col", preview, 0x00C0C0C0u);
    }
    SchemeSlots fallback{};
    std::istringstream none(bytes);
    const auto background = PreviewScheme(none, "Default.col", fallback, 0x00123456u);
    LUMETA_FUZZ_REQUIRE(background && *background == 0x00123456u);
    NumericPrefix(bytes);
    return 0;
}
