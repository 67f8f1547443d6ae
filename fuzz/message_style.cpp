// The message box's style text ("vbQuestion + vbYesNo"): any text gives at most the
// row's three buttons, each with a result tag.
#include <cstdint>

#include "controls/message_style.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lumeta;
    const QString style =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const MessageStyle read = ReadMessageStyle(style);
    LUMETA_FUZZ_REQUIRE(read.buttons.size() <= static_cast<std::size_t>(kMessageButtons));
    for (const MessageButton& button : read.buttons) {
        LUMETA_FUZZ_REQUIRE(!button.caption.isEmpty());
        const int tag = button.tag.toInt();
        LUMETA_FUZZ_REQUIRE(button.tag.size() == 1 && tag >= kResultNormalOk && tag <= kResultNo);
    }
    return 0;
}
