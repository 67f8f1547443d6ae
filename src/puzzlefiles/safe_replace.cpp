#include "puzzlefiles/safe_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>

namespace lumeta {

namespace {

// The temporary files that exist right now, for the signal handler to remove. A slot is
// free (0), being filled (1) or holds a live path (2); the handler reads only live ones.
constexpr int kSlots = 32;
constexpr std::size_t kPathMax = 4096;
char liveTemps[kSlots][kPathMax];
std::atomic<int> slotState[kSlots];

int RegisterTemp(const std::string& path) {
    if (path.size() >= kPathMax) return -1;
    for (int i = 0; i < kSlots; ++i) {
        int expected = 0;
        if (!slotState[i].compare_exchange_strong(expected, 1)) continue;
        std::memcpy(liveTemps[i], path.c_str(), path.size() + 1);
        slotState[i].store(2);
        return i;
    }
    return -1;
}

void UnregisterTemp(int slot) {
    if (slot >= 0) slotState[slot].store(0);
}

extern "C" void RemoveTempsAndExit(int sig) {
    for (int i = 0; i < kSlots; ++i)
        if (slotState[i].load() == 2) unlink(liveTemps[i]);
    signal(sig, SIG_DFL);
    raise(sig);
}

std::string Folder(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string BaseName(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a write to `path` really replaces: the path with its symbolic links followed,
// up to a file that is not a link or does not exist yet.
bool FollowLinks(const std::string& path, std::string& target) {
    target = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return true;
        std::string link(static_cast<std::size_t>(st.st_size) + 256, '\0');
        const ssize_t got = readlink(target.c_str(), link.data(), link.size());
        if (got <= 0 || static_cast<std::size_t>(got) >= link.size()) return false;
        link.resize(static_cast<std::size_t>(got));
        target = link[0] == '/' ? link : Folder(target) + "/" + link;
    }
    errno = ELOOP;
    return false;
}

unsigned NewFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t put = write(fd, data, size);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) return false;
        data += put;
        size -= static_cast<std::size_t>(put);
    }
    return true;
}

void SyncFolder(const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);  // some file systems cannot; the rename itself has happened either way
    close(fd);
}

}  // namespace

ReplacingFile::~ReplacingFile() {
    Discard();
}

bool ReplacingFile::Fail(const std::string& why) {
    failed_ = true;
    problem_ = "cannot write " + path_ + ": " + why;
    Discard();
    return false;
}

bool ReplacingFile::Open(const std::string& path) {
    Discard();
    path_ = path;
    failed_ = false;
    problem_.clear();
    buffer_.clear();
    if (path.empty()) return Fail("no file name");
    if (!FollowLinks(path, target_)) return Fail(std::strerror(errno));

    struct stat st {};
    if (stat(target_.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return Fail("it is a folder");
        if (!S_ISREG(st.st_mode)) return Fail("not a regular file");
        // Root may write anything, so the permission bits decide, not access() alone.
        if ((st.st_mode & 0222) == 0 || (access(target_.c_str(), W_OK) != 0 && errno == EACCES))
            return Fail("the file is read-only");
        mode_ = st.st_mode & 07777;
    } else if (errno == ENOENT) {
        mode_ = NewFileMode();
    } else {
        return Fail(std::strerror(errno));
    }

    std::string name = Folder(target_) + "/." + BaseName(target_) + ".XXXXXX";
    fd_ = mkostemp(name.data(), O_CLOEXEC);
    if (fd_ < 0) return Fail(std::strerror(errno));
    temp_ = name;
    slot_ = RegisterTemp(temp_);
    if (fchmod(fd_, static_cast<mode_t>(mode_)) != 0) return Fail(std::strerror(errno));
    return true;
}

bool ReplacingFile::Flush() {
    if (buffer_.empty()) return true;
    const bool ok = WriteAll(fd_, buffer_.data(), buffer_.size());
    buffer_.clear();
    return ok || Fail(std::strerror(errno));
}

bool ReplacingFile::Write(std::string_view bytes) {
    if (fd_ < 0 || failed_) return false;
    buffer_.append(bytes);
    return buffer_.size() < (1 << 16) || Flush();
}

bool ReplacingFile::WriteLine(std::string_view line) {
    if (fd_ < 0 || failed_) return false;
    buffer_.append(line);
    buffer_.append("\r\n");
    return buffer_.size() < (1 << 16) || Flush();
}

bool ReplacingFile::Commit() {
    if (fd_ < 0 || failed_) return false;
    if (!Flush()) return false;
    if (fsync(fd_) != 0 && errno != EINVAL) return Fail(std::strerror(errno));
    const int fd = fd_;
    fd_ = -1;
    if (close(fd) != 0) return Fail(std::strerror(errno));
    if (rename(temp_.c_str(), target_.c_str()) != 0) return Fail(std::strerror(errno));
    UnregisterTemp(slot_);
    slot_ = -1;
    temp_.clear();
    SyncFolder(Folder(target_));
    return true;
}

void ReplacingFile::Discard() {
    if (fd_ >= 0) {
        close(fd_);
        fd_ = -1;
    }
    if (!temp_.empty()) {
        unlink(temp_.c_str());
        temp_.clear();
    }
    UnregisterTemp(slot_);
    slot_ = -1;
    buffer_.clear();
}

bool ReplaceFileContents(const std::string& file, const std::string& text, std::string* problem) {
    ReplacingFile out;
    const bool written = out.Open(file) && out.Write(text) && out.Commit();
    if (!written && problem) *problem = out.problem();
    return written;
}

bool SameFile(const std::string& a, const std::string& b) {
    struct stat first {
    }, second{};
    return stat(a.c_str(), &first) == 0 && stat(b.c_str(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

void InstallTempFileCleanup() {
    struct sigaction action {};
    action.sa_handler = RemoveTempsAndExit;
    sigemptyset(&action.sa_mask);
    for (int sig : {SIGINT, SIGTERM, SIGHUP})
        sigaction(sig, &action, nullptr);
    // Past a file-size limit a write then fails like a full disk, and the failed
    // replacement removes its temporary file, instead of the process dying outright.
    signal(SIGXFSZ, SIG_IGN);
}

}  // namespace lumeta
