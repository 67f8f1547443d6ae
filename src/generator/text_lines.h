#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

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
// "cannot read x".
std::string ReadProblem(const std::string& path);

// The line with ASCII letters in lower case: the key of a comparison that ignores case.
std::string FoldCase(std::string_view line);

// Writes a file through a temporary file beside it that replaces the file only when
// everything was written, so a failed run never leaves a partial file under the name.
class ReplacingFile {
  public:
    ReplacingFile() = default;
    ~ReplacingFile();  // discards the temporary file unless Commit succeeded
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // Creates the temporary file; on failure `problem` says why.
    bool Open(const std::string& path);
    // Writes the line followed by CR LF.
    bool WriteLine(std::string_view line);
    // Closes the temporary file and renames it over the target.
    bool Commit();
    // Removes the temporary file.
    void Discard();

    const std::string& problem() const { return problem_; }

  private:
    std::string path_;
    std::string temp_;
    std::FILE* out_ = nullptr;
    bool failed_ = false;
    std::string problem_;
};

}  // namespace lumeta
