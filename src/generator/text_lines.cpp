#include "generator/text_lines.h"

#include "puzzlefiles/regular_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace lumeta {

namespace fs = std::filesystem;

std::string ReadProblem(const std::string& path) {
    std::error_code ec;
    const auto status = fs::status(path, ec);
    if (!fs::exists(status)) return "no such file: " + path;
    if (fs::is_directory(status)) return "a folder, not a file: " + path;
    if (!fs::is_regular_file(status)) return "not a regular file: " + path;
    return "cannot read " + path;
}

TextLines ReadTextLines(const std::string& path) {
    TextLines result;
    std::FILE* in = OpenRegularFile(path);
    if (!in) {
        result.problem = ReadProblem(path);
        return result;
    }
    char block[1 << 16];
    bool failed = false;
    for (;;) {
        const std::size_t got = std::fread(block, 1, sizeof block, in);
        result.text.append(block, got);
        if (got < sizeof block) {
            failed = std::ferror(in) != 0;
            break;
        }
    }
    std::fclose(in);
    if (failed) {
        result.problem = ReadProblem(path);
        result.text.clear();
        return result;
    }
    result.readable = true;

    const std::string_view text = result.text;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') continue;
        result.lines.push_back(text.substr(start, i - start));
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) result.lines.push_back(text.substr(start));
    return result;
}

std::string FoldCase(std::string_view line) {
    std::string folded(line);
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return folded;
}

}  // namespace lumeta
