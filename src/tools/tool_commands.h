#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace lumeta {

using ToolArgs = std::vector<std::string>;

// One command of lumeta-tools. `run` gets the arguments after the command's name and
// returns the exit status: 0 only on success.
struct ToolCommand {
    const char* name;
    const char* usage;    // "show FILE N [--solution]"
    const char* summary;  // one line for the command list
    const char* help;     // the rest of the command's --help text
    int (*run)(const ToolArgs& args, std::ostream& out, std::ostream& err);
};

const std::vector<ToolCommand>& ToolCommands();

// The whole program: argv without the program name.
int RunTool(const ToolArgs& args, std::ostream& out, std::ostream& err);

// Shared argument helpers. Each prints one clear message to err on failure.
bool ParseWholeNumber(const std::string& text, long long& value);
bool WantsHelp(const ToolArgs& args);
int UsageError(std::ostream& err, const char* commandName, const std::string& problem);

// The commands of this file.
int RunCount(const ToolArgs& args, std::ostream& out, std::ostream& err);
int RunShow(const ToolArgs& args, std::ostream& out, std::ostream& err);

}  // namespace lumeta
