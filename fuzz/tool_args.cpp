// The lumeta-tools command line: the input is the arguments, one per line. Every run
// happens in a scratch folder holding a small puzzle file "p.txt"; arguments that name
// other folders, and runs that would make thousands of puzzles, are skipped.
#include <cstdint>
#include <sstream>

#include "fuzz_support.h"
#include "tools/tool_commands.h"

namespace {

constexpr const char* kPuzzles =
    "562534341645612536132263412546145265231143\r\n"
    "451315263465642516132234324342156156334524\r\n"
    "546316123456254356132625214346314365251214 5463......562........6.......6.1.....5.2.4\r\n"
    "546316123456254356132625214346314365251214 5463..\r\n"
    "x\r\n";

bool TooBigARun(const lumeta::ToolArgs& args) {
    bool counted = false;
    for (const std::string& arg : args) {
        if (arg.find('/') != std::string::npos) return true;
        if (arg == "--count") counted = true;
        long long value = 0;
        if (lumeta::ParseWholeNumber(arg, value) && value > 20) return true;
    }
    return !args.empty() && args[0] == "create-multi" && !counted;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const std::string folder = lumeta::fuzz::ScratchFolder();
    if (chdir(folder.c_str()) != 0) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    lumeta::ToolArgs args;
    std::string arg;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\n') {
            args.push_back(arg);
            arg.clear();
        } else {
            arg.push_back(static_cast<char>(data[i]));
        }
    }
    if (!arg.empty()) args.push_back(arg);
    if (args.size() > 8 || TooBigARun(args)) return 0;
    lumeta::fuzz::WriteBytes("p.txt", kPuzzles);
    std::ostringstream out, err;
    const int status = lumeta::RunTool(args, out, err);
    LUMETA_FUZZ_REQUIRE(status >= 0 && status <= 2);
    // A failure always says why.
    if (status != 0) LUMETA_FUZZ_REQUIRE(!err.str().empty());
    return 0;
}
