#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "puzzlefiles/safe_replace.h"  // ReplacingFile, for the writers that use these lines

namespace lumeta {

// A whole text file in memory, cut into lines at CR LF, LF or CR. A last line without a
// line end counts; a line end at the very end starts no further line.
struct TextLines {
    bool readable = false;
    std::string problem;  // why not readable: "no such file: x", "cannot read x", ...
    std::string text;
    std::vector<std::string_view> lines;  // views into text
};

TextLines ReadTextLines(const std::string& path);

// Why a file cannot be read, in a few words: "no such file: x", "a folder, not a file: x",
// "not a regular file: x" (a device, FIFO or socket, which no reader takes), "cannot read x".
std::string ReadProblem(const std::string& path);

// The line with ASCII letters in lower case: the key of a comparison that ignores case.
std::string FoldCase(std::string_view line);

}  // namespace lumeta
