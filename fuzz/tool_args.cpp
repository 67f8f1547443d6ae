// The lumeta-tools command line: the input is the arguments, one per line. Every run
// happens in a scratch folder holding a small puzzle file "p.txt"; arguments that name
// other folders, runs that would make thousands of puzzles and graded runs on the larger
// boards are skipped.
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
    "x\r\n"
    "253523461631164315245613462536524316124152524352364356146142 "
    "25352.....311.......56.......65.......41.......236.....46142\r\n"
    "2611543452362143625325416135634134161352454125625616425343652134325316125134652416425644625143"
    "65235213623416146523 "
    "26115.3...3621...........135...........2.54......6......43..2..........25.............446...."
    "3...3..1362.....46523\r\n"
    "253523461631164315245613462536524316124152524352364356146142 "
    "25352.....311.......56.......65.......41.......236.....461425\r\n";

bool TooBigARun(const lumeta::ToolArgs& args) {
    bool counted = false, larger = false;
    for (const std::string& arg : args) {
        if (arg.find('/') != std::string::npos) return true;
        if (arg == "--count") counted = true;
        if (arg == "--hexagons") larger = true;
        long long value = 0;
        if (lumeta::ParseWholeNumber(arg, value) && value > 20) return true;
    }
    // A graded puzzle on a larger board may take a second or more.
    for (const std::string& arg : args)
        if (larger && arg == "--grade") return true;
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
