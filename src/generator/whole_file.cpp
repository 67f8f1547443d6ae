#include "generator/whole_file.h"

#include <sys/stat.h>

#include <cstdio>
#include <memory>

#include "generator/text_lines.h"
#include "puzzlefiles/regular_file.h"

namespace lumeta {

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

WholeFile ReadWholeFile(const std::string& path) {
    WholeFile result;
    std::unique_ptr<std::FILE, FileCloser> in(OpenRegularFile(path));
    struct stat info {};
    if (!in || fstat(fileno(in.get()), &info) != 0 || S_ISDIR(info.st_mode)) {
        result.problem = ReadProblem(path);
        return result;
    }
    // The size is a hint: a file that grows meanwhile is read to its end all the same.
    std::string& text = result.text;
    text.resize(info.st_size > 0 ? static_cast<std::size_t>(info.st_size) : 0);
    std::size_t have = std::fread(text.data(), 1, text.size(), in.get());
    while (have == text.size() && !std::ferror(in.get())) {
        char block[1 << 16];
        const std::size_t got = std::fread(block, 1, sizeof block, in.get());
        if (got == 0) break;
        text.append(block, got);
        have = text.size();
    }
    if (std::ferror(in.get())) {
        result.problem = ReadProblem(path);
        text = std::string();
        return result;
    }
    text.resize(have);
    result.readable = true;
    return result;
}

bool ReadLinesOf(const std::string& path, const std::function<void(std::uint64_t bytes)>& opened,
                 const std::function<void(std::string_view line)>& take, std::string& problem) {
    std::unique_ptr<std::FILE, FileCloser> in(OpenRegularFile(path));
    struct stat info {};
    if (!in || fstat(fileno(in.get()), &info) != 0 || S_ISDIR(info.st_mode)) {
        problem = ReadProblem(path);
        return false;
    }
    opened(info.st_size > 0 ? static_cast<std::uint64_t>(info.st_size) : 0);
    std::string block(std::size_t{1} << 20, '\0');
    std::string carry;    // the start of a line that runs on into the next block
    bool skipLf = false;  // the block before ended in CR: a LF first is its CR LF
    for (;;) {
        const std::size_t got = std::fread(block.data(), 1, block.size(), in.get());
        if (got == 0) break;
        const std::string_view text(block.data(), got);
        std::size_t start = skipLf && text[0] == '\n' ? 1 : 0;
        skipLf = false;
        for (std::size_t i = start; i < text.size(); ++i) {
            const char c = text[i];
            if (c != '\r' && c != '\n') continue;
            const std::string_view piece = text.substr(start, i - start);
            if (carry.empty()) {
                take(piece);
            } else {
                carry.append(piece);
                take(carry);
                carry.clear();
            }
            if (c == '\r' && i + 1 == text.size())
                skipLf = true;
            else if (c == '\r' && text[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
        carry.append(text.substr(start));
    }
    if (std::ferror(in.get())) {
        problem = ReadProblem(path);
        return false;
    }
    if (!carry.empty()) take(carry);
    return true;
}

}  // namespace lumeta
