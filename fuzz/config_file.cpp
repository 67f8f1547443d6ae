// The configuration file: reading any bytes never fails, and whatever was read is saved
// and read back unchanged.
#include <cstdint>

#include "app/config_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lumeta;
    const std::string file = fuzz::ScratchFile("lumeta.cfg");
    fuzz::WriteBytes(file, std::string_view(reinterpret_cast<const char*>(data), size));
    const ConfigRead first = ReadcfgFile(file);
    if (first.damaged) LUMETA_FUZZ_REQUIRE(first.defaultWritten);

    LUMETA_FUZZ_REQUIRE(SavecfgFile(file, first.settings));
    const ConfigRead second = ReadcfgFile(file);
    // A setting that holds a line end cannot come back as it was; nothing the reader
    // produces does, since it splits at line ends.
    LUMETA_FUZZ_REQUIRE(!second.damaged);
    LUMETA_FUZZ_REQUIRE(ConfigText(second.settings) == ConfigText(first.settings));
    return 0;
}
