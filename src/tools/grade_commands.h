#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "generator/player_model.h"

#include "tools/tool_commands.h"

namespace lumeta {

// lumeta-tools grade FILE [--lines]: the grade of every puzzle of a file.
int RunGrade(const ToolArgs& args, std::ostream& out, std::ostream& err);

// Reads a --grade value; an absent option leaves `grade` empty. False for a name that is
// no grade.
bool ReadGradeOption(const std::optional<std::string>& value, std::optional<Grade>& grade);
inline constexpr const char* kGradeProblem = "--grade must be easy, medium, hard or expert";

// "Easy 3, Medium 5, Hard 1, Expert 0; 2 with a view field" for the valid lines of a file.
std::string GradeSummary(const std::string& path);

}  // namespace lumeta
