#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace lumeta {

// A whole file in one string of the file's size, read without the growing copies of a
// string appended to block by block.
struct WholeFile {
    bool readable = false;
    std::string problem;  // why not readable, as ReadProblem says it
    std::string text;
};

WholeFile ReadWholeFile(const std::string& path);

// Calls take(line) for every line of text, cut at CR LF, LF or CR as TextLines cuts it:
// a last line without a line end counts, a line end at the very end starts no further line.
template <typename Take>
void ForEachLine(std::string_view text, Take take) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') continue;
        take(text.substr(start, i - start));
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) take(text.substr(start));
}

// Calls take(line) for every line of the file, cut as ForEachLine cuts a text, reading the
// file in blocks: memory stays at one block and the longest line, whatever the file's size.
// `opened` gets the file's size before the first line. False, with `problem` set as
// ReadProblem says it, when the file cannot be read to its end (lines may have been taken).
bool ReadLinesOf(const std::string& path, const std::function<void(std::uint64_t bytes)>& opened,
                 const std::function<void(std::string_view line)>& take, std::string& problem);

}  // namespace lumeta
