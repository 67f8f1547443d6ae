#pragma once

#include <ostream>

#include "tools/tool_commands.h"

namespace lumeta {

// The puzzle maker's commands of lumeta-tools.
int RunCreate(const ToolArgs& args, std::ostream& out, std::ostream& err);
int RunCreateMulti(const ToolArgs& args, std::ostream& out, std::ostream& err);
int RunRandomize(const ToolArgs& args, std::ostream& out, std::ostream& err);
int RunCheck(const ToolArgs& args, std::ostream& out, std::ostream& err);

}  // namespace lumeta
