// The configuration file: reading any bytes never fails, whatever was read is saved and
// read back unchanged, and any bytes as a file name keep the file readable.
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

    // Any bytes as a file name (line ends, control characters): the file stays nine lines,
    // and a name with a line end is left out rather than written raw.
    const std::string name(reinterpret_cast<const char*>(data), size);
    ConfigSettings named;
    named.PuzzleFile = name;
    named.recent.caption[2] = name;
    LUMETA_FUZZ_REQUIRE(SavecfgFile(file, named));
    const ConfigRead third = ReadcfgFile(file);
    LUMETA_FUZZ_REQUIRE(!third.damaged);
    const std::string kept = StorableName(name) ? name : std::string();
    LUMETA_FUZZ_REQUIRE(third.settings.PuzzleFile == kept);
    LUMETA_FUZZ_REQUIRE(third.settings.recent.caption[2] == (HasText(kept) ? kept : ""));
    return 0;
}
