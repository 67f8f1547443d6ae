// File names with control characters, escape sequences and bytes that are not UTF-8, as
// lumeta-tools shows them: the input is a name (a "/" or NUL in it becomes "_"). A file of
// that name holds two puzzles; show, count and check run on it and on a missing file of a
// longer name, and nothing they print may hold a character a terminal obeys or a line
// the name made up.
#include <cstdint>
#include <filesystem>
#include <sstream>
#include <string>

#include "fuzz_support.h"
#include "tools/tool_commands.h"

namespace {

constexpr const char* kPuzzles =
    "562534341645612536132263412546145265231143\r\n"
    "451315263465642516132234324342156156334524\r\n";

// Printable ASCII, line feeds and UTF-8 characters from U+00A0 on, and nothing else.
bool TerminalSafe(const std::string& text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '\n' || (byte >= ' ' && byte <= '~')) {
            ++i;
            continue;
        }
        const std::size_t size = byte >= 0xf0 ? 4 : byte >= 0xe0 ? 3 : 2;
        if (byte < 0xc2 || byte > 0xf4 || i + size > text.size()) return false;
        unsigned long code = byte & (0x7f >> size);
        for (std::size_t k = 1; k < size; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xc0) != 0x80) return false;
            code = (code << 6) | (next & 0x3f);
        }
        if (code < 0xa0 || (code >= 0xd800 && code <= 0xdfff) || code > 0x10ffff) return false;
        i += size;
    }
    return true;
}

std::size_t Lines(const std::string& text) {
    std::size_t lines = 0;
    for (char c : text)
        lines += c == '\n';
    return lines;
}

struct Run {
    int status;
    std::string out, err;
};

Run Tools(const lumeta::ToolArgs& args) {
    std::ostringstream out, err;
    const int status = lumeta::RunTool(args, out, err);
    return {status, out.str(), err.str()};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0 || size > 200) return 0;
    std::string name(reinterpret_cast<const char*>(data), size);
    for (char& c : name)
        if (c == '/' || c == '\0') c = '_';
    if (name == "." || name == "..") return 0;
    const std::string file = lumeta::fuzz::ScratchFile(name);
    lumeta::fuzz::WriteBytes(file, kPuzzles);

    const Run show = Tools({"show", file, "2"});
    LUMETA_FUZZ_REQUIRE(show.status == 0);
    LUMETA_FUZZ_REQUIRE(TerminalSafe(show.out) && Lines(show.out) == 9);
    const Run count = Tools({"count", file});
    LUMETA_FUZZ_REQUIRE(count.status == 0 && count.out == "2\n");
    const Run check = Tools({"check", file});
    LUMETA_FUZZ_REQUIRE(TerminalSafe(check.out) && TerminalSafe(check.err));
    std::filesystem::remove(file);

    for (const char* command : {"show", "count", "check", "randomize"}) {
        const std::string gone = file + "\x1b[2J";
        const Run missing =
            Tools(std::string(command) == "show" ? lumeta::ToolArgs{command, gone, "1"}
                                                 : lumeta::ToolArgs{command, gone});
        LUMETA_FUZZ_REQUIRE(missing.status != 0 && missing.out.empty());
        LUMETA_FUZZ_REQUIRE(TerminalSafe(missing.err) && Lines(missing.err) <= 2);
    }
    const Run out = Tools({"create", "1", "--seed", "1", "--out", file + "\n"});
    LUMETA_FUZZ_REQUIRE(out.status == 0 && TerminalSafe(out.err));
    std::filesystem::remove(file + "\n");
    return 0;
}
