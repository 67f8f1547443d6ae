#include <unistd.h>

#include <iostream>
#include <ostream>

#include "puzzlefiles/safe_replace.h"
#include "tools/checked_output.h"
#include "tools/tool_commands.h"

int main(int argc, char** argv) {
    lumeta::InstallTempFileCleanup();
    lumeta::DescriptorOutput standardOutput(STDOUT_FILENO);
    std::ostream out(&standardOutput);
    const lumeta::ToolArgs args(argv + 1, argv + argc);
    int status = lumeta::RunTool(args, out, std::cerr);
    // A cut output is never reported as done, however the command ended.
    if (!standardOutput.Finish()) {
        std::cerr << "lumeta-tools: cannot write standard output: " << standardOutput.problem()
                  << "\n";
        if (status == 0) status = 1;
    }
    if (!std::cerr && status == 0) status = 1;
    return status;
}
