#include "generator/text_lines.h"

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
    return "cannot read " + path;
}

TextLines ReadTextLines(const std::string& path) {
    TextLines result;
    std::FILE* in = std::fopen(path.c_str(), "rb");
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

ReplacingFile::~ReplacingFile() {
    Discard();
}

bool ReplacingFile::Open(const std::string& path) {
    Discard();
    path_ = path;
    temp_ = path + ".part";
    failed_ = false;
    std::error_code ec;
    if (fs::is_directory(path, ec)) {
        problem_ = "cannot write " + path + ": it is a folder";
        return false;
    }
    out_ = std::fopen(temp_.c_str(), "wb");
    if (!out_) {
        problem_ = "cannot write " + path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

bool ReplacingFile::WriteLine(std::string_view line) {
    if (!out_ || failed_) return false;
    if (std::fwrite(line.data(), 1, line.size(), out_) != line.size() ||
        std::fwrite("\r\n", 1, 2, out_) != 2) {
        failed_ = true;
        problem_ = "cannot write " + path_ + ": " + std::strerror(errno);
    }
    return !failed_;
}

bool ReplacingFile::Commit() {
    if (!out_) return false;
    const bool closed = std::fclose(out_) == 0;
    out_ = nullptr;
    if (!failed_ && !closed) problem_ = "cannot write " + path_ + ": " + std::strerror(errno);
    if (failed_ || !closed) {
        Discard();
        return false;
    }
    std::error_code ec;
    fs::rename(temp_, path_, ec);
    if (ec) {
        problem_ = "cannot write " + path_ + ": " + ec.message();
        Discard();
        return false;
    }
    temp_.clear();
    return true;
}

void ReplacingFile::Discard() {
    if (out_) {
        std::fclose(out_);
        out_ = nullptr;
    }
    if (!temp_.empty()) {
        std::error_code ec;
        fs::remove(temp_, ec);
        temp_.clear();
    }
}

}  // namespace lumeta
