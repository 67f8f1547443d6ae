#pragma once

#include <sstream>
#include <string>

#include "tools/tool_commands.h"

namespace lumeta {

// One run of lumeta-tools with what it printed.
struct ToolRun {
    int status;
    std::string out, err;
};

inline ToolRun Tools(const ToolArgs& args) {
    std::ostringstream out, err;
    const int status = RunTool(args, out, err);
    return {status, out.str(), err.str()};
}

}  // namespace lumeta
