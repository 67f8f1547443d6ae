#include "puzzlefiles/puzzle_writer.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace lumeta {

namespace fs = std::filesystem;

namespace {

// False only when the file's last character can be read and is not a line end.
bool EndsWithLineEnd(const std::string& file) {
    std::FILE* in = std::fopen(file.c_str(), "rb");
    if (!in) return true;
    int last = '\n';
    if (std::fseek(in, -1, SEEK_END) == 0) last = std::fgetc(in);
    std::fclose(in);
    return last == '\r' || last == '\n' || last == EOF;
}

bool AppendText(const std::string& file, std::string text) {
    std::error_code ec;
    const bool existed = fs::exists(file, ec);
    const auto sizeBefore = existed ? fs::file_size(file, ec) : 0;
    if (ec) return false;
    // A last line without its line end would take the new line into itself.
    if (sizeBefore > 0 && !EndsWithLineEnd(file)) text.insert(0, "\r\n");
    std::FILE* out = std::fopen(file.c_str(), "ab");
    if (!out) return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
    const bool closed = std::fclose(out) == 0;
    if (written && closed) return true;
    // Undo a partial line so the file stays as it was.
    if (existed)
        fs::resize_file(file, sizeBefore, ec);
    else
        fs::remove(file, ec);
    return false;
}

}  // namespace

bool WritePuzzleLine(const BoardLayout& layout, const PuzzleState& puzzle, const std::string& file,
                     WriteMode mode) {
    const std::string line = PuzzleLineWithView(layout, puzzle) + "\r\n";
    return mode == WriteMode::Replace ? ReplaceFileContents(file, line) : AppendText(file, line);
}

void AddDefaultExtension(std::string& name, const std::string& ext) {
    if (name.find('.') == std::string::npos) name += "." + ext;
}

}  // namespace lumeta
