#include "puzzlefiles/puzzle_writer.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
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

// Appending follows the rule of every replacing write: a read-only file is refused even
// where the writer could write it (root), and so is anything but a regular file (a FIFO
// would block the writer).
bool MayAppendTo(const std::string& file) {
    struct stat st {};
    if (stat(file.c_str(), &st) != 0) return errno == ENOENT;
    if (!S_ISREG(st.st_mode)) return false;
    return (st.st_mode & 0222) != 0 && !(access(file.c_str(), W_OK) != 0 && errno == EACCES);
}

bool AppendText(const std::string& file, std::string text) {
    if (!MayAppendTo(file)) return false;
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
