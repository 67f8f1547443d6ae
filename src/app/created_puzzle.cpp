#include "app/created_puzzle.h"

#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "app/app_files.h"
#include "puzzlefiles/regular_file.h"
#include "puzzlefiles/safe_replace.h"

namespace lumeta {

namespace {

namespace fs = std::filesystem;

// A created puzzle is one line; a remembered file far larger than that is played from
// where it lies rather than copied.
constexpr std::size_t kCopyLimit = 1 << 20;

std::string HostName() {
    std::array<char, 256> name{};
    if (gethostname(name.data(), name.size() - 1) != 0) return "host";
    return name.data();
}

bool ProcessEnded(const std::string& pidText) {
    if (pidText.empty() || pidText.find_first_not_of("0123456789") != std::string::npos)
        return false;
    errno = 0;
    const long pid = std::strtol(pidText.c_str(), nullptr, 10);
    if (errno != 0 || pid <= 0) return false;
    return kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

}  // namespace

std::string OwnFolderPrefix(const std::string& sharedName) {
    return "." + sharedName + "-" + HostName() + "-";
}

int RemoveFoldersOfEndedCopies(const std::string& folder, const std::string& sharedName) {
    const std::string prefix = OwnFolderPrefix(sharedName);
    int removed = 0;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.compare(0, prefix.size(), prefix) != 0) continue;
        // The rest is "<process id>-<unique letters>".
        const std::string rest = name.substr(prefix.size());
        if (!ProcessEnded(rest.substr(0, rest.find('-')))) continue;
        std::error_code removing;
        if (fs::remove_all(it->path(), removing) > 0 && !removing) ++removed;
    }
    return removed;
}

CreatedPuzzleFile::CreatedPuzzleFile(const std::string& sharedPath) : shared_(sharedPath) {
    std::error_code ec;
    const fs::path full = fs::absolute(sharedPath, ec);
    folder_ = AppDirOf((ec ? fs::path(".") : full.parent_path()).string());
}

CreatedPuzzleFile::~CreatedPuzzleFile() {
    if (own_.empty()) return;
    std::error_code ec;
    fs::remove_all(fs::path(own_).parent_path(), ec);
    // Copies that were killed meanwhile left theirs.
    RemoveFoldersOfEndedCopies(folder_, fs::path(shared_).filename().string());
}

std::string CreatedPuzzleFile::OwnPath() {
    if (!own_.empty()) return own_;
    const std::string name = fs::path(shared_).filename().string();
    std::error_code ec;
    fs::create_directories(folder_, ec);
    RemoveFoldersOfEndedCopies(folder_, name);
    // Made exclusively, under a name no other copy can hold.
    std::string pattern =
        folder_ + OwnFolderPrefix(name) + std::to_string(static_cast<long>(getpid())) + "-XXXXXX";
    if (!mkdtemp(pattern.data())) return shared_;
    own_ = pattern + "/" + name;
    return own_;
}

bool CreatedPuzzleFile::CopyFileBytes(const std::string& from, const std::string& to) const {
    std::FILE* in = OpenRegularFile(from);
    if (!in) return false;
    std::string bytes(kCopyLimit + 1, '\0');
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), in));
    const bool failed = std::ferror(in) != 0;
    std::fclose(in);
    return !failed && bytes.size() <= kCopyLimit && ReplaceFileContents(to, bytes);
}

void CreatedPuzzleFile::Publish() {
    if (!own_.empty()) CopyFileBytes(own_, shared_);
}

std::string CreatedPuzzleFile::TakeRemembered(const std::string& remembered) {
    if (remembered.empty() || !SameFile(remembered, shared_)) return remembered;
    const std::string own = OwnPath();
    if (own == shared_ || !CopyFileBytes(remembered, own)) return remembered;
    return own;
}

std::string CreatedPuzzleFile::NameToRemember(const std::string& current) {
    if (own_.empty() || current != own_) return current;
    return CopyFileBytes(own_, shared_) ? shared_ : std::string();
}

}  // namespace lumeta
