#include "support/temp_dir.h"

#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <iterator>
#include <mutex>

namespace lumeta::testing {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kPrefix = "lumeta-test-";

// Removes a folder and everything in it, also where a test took away write permission.
void RemoveTree(const fs::path& folder) {
    std::error_code ec;
    // A test may have taken write permission from a folder: give it back, so all can go.
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, ec);
    for (fs::recursive_directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (it->is_directory(ec) && !it->is_symlink(ec))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(folder, ec);
}

// A test program killed by a signal or a time limit never runs its destructors: the next
// run removes the folders of programs that have ended.
void RemoveFoldersOfEndedRuns(const fs::path& temp) {
    std::error_code ec;
    for (fs::directory_iterator it(temp, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.compare(0, kPrefix.size(), kPrefix) != 0) continue;
        const long pid = std::strtol(name.c_str() + kPrefix.size(), nullptr, 10);
        if (pid <= 0 || kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH) continue;
        RemoveTree(it->path());
    }
}

}  // namespace

TempDir::TempDir() {
    const fs::path temp = fs::temp_directory_path();
    static std::once_flag swept;
    std::call_once(swept, [&] { RemoveFoldersOfEndedRuns(temp); });
    std::string pattern =
        (temp / (std::string(kPrefix) + std::to_string(::getpid()) + "-XXXXXX")).string();
    if (!mkdtemp(pattern.data()))
        throw fs::filesystem_error("mkdtemp", temp,
                                   std::error_code(errno, std::generic_category()));
    path_ = pattern;
}

TempDir::~TempDir() {
    RemoveTree(path_);
}

std::string TempDir::Write(std::string_view name, std::string_view bytes) const {
    const std::string file = File(name);
    std::ofstream out(file, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file;
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::set<std::string> FileNames(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

}  // namespace lumeta::testing
