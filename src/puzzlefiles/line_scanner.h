#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace lumeta {

// Reads a text file in large blocks. A line ends at CR, LF or CR LF; a last line without a
// line end still counts, a line end at the very end starts no further line.
struct LineScan {
    bool readable = false;   // the file could be opened and read to its end
    std::int64_t lines = 0;  // lines counted (up to the wanted line when it was found)
    bool found = false;      // the wanted line exists
    std::string text;        // its first keepChars characters
};

// Counts every line of the file, or stops at line wantLine (1-based) and keeps the first
// keepChars characters of it. Memory stays bounded by the block size and keepChars.
LineScan ScanLines(const std::string& path, std::int64_t wantLine = 0, std::size_t keepChars = 0);

// Counts every line of the file and, in the same pass, keeps the first keepChars
// characters of line wantLine (1-based), or of the last line for -1. `lines` is always the
// whole count.
LineScan CountAndKeepLine(const std::string& path, std::int64_t wantLine, std::size_t keepChars);

}  // namespace lumeta
