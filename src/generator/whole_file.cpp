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

}  // namespace lumeta
