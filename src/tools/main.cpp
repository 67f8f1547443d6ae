#include <iostream>

#include "puzzlefiles/safe_replace.h"
#include "tools/tool_commands.h"

int main(int argc, char** argv) {
    lumeta::InstallTempFileCleanup();
    lumeta::ToolArgs args(argv + 1, argv + argc);
    return lumeta::RunTool(args, std::cout, std::cerr);
}
