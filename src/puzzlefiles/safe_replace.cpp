#include "puzzlefiles/safe_replace.h"

#include <fcntl.h>
#include <limits.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
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

// The signals a user can send that end a process by default.
constexpr int kEndingSignals[] = {SIGINT,  SIGTERM, SIGHUP,  SIGQUIT,
                                  SIGUSR1, SIGUSR2, SIGALRM, SIGPIPE};

sigset_t EndingSignals() {
    sigset_t set;
    sigemptyset(&set);
    for (int sig : kEndingSignals)
        sigaddset(&set, sig);
    return set;
}

// Only async-signal-safe calls: unlink, signal, raise.
extern "C" void RemoveTempsAndExit(int sig) {
    for (int i = 0; i < kSlots; ++i)
        if (slotState[i].load() == 2) unlink(liveTemps[i]);
    signal(sig, SIG_DFL);
    raise(sig);  // delivered with the default action as the handler returns
}

// Keeps the ending signals off while a temporary file is made and registered, so that no
// signal finds it made but not yet known to the handler.
class EndingSignalsHeld {
  public:
    EndingSignalsHeld() {
        const sigset_t set = EndingSignals();
        pthread_sigmask(SIG_BLOCK, &set, &saved_);
    }
    ~EndingSignalsHeld() { pthread_sigmask(SIG_SETMASK, &saved_, nullptr); }
    EndingSignalsHeld(const EndingSignalsHeld&) = delete;
    EndingSignalsHeld& operator=(const EndingSignalsHeld&) = delete;

  private:
    sigset_t saved_;
};

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

// The descriptor number when `path`, or a link on the way to its file, names one of this
// process's open descriptors (/dev/stdout, /dev/fd/1, /proc/self/fd/1); else -1.
int DescriptorNamed(const std::string& path) {
    const std::string ownDescriptors = "/proc/" + std::to_string(getpid()) + "/fd";
    std::string step = path;
    for (int hops = 0; hops < 40; ++hops) {
        char folder[PATH_MAX];
        const std::string name = BaseName(step);
        if (realpath(Folder(step).c_str(), folder) && ownDescriptors == folder && !name.empty() &&
            name.size() < 10 && name.find_first_not_of("0123456789") == std::string::npos)
            return std::atoi(name.c_str());
        struct stat st {};
        if (lstat(step.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return -1;
        char link[PATH_MAX];
        const ssize_t got = readlink(step.c_str(), link, sizeof link);
        if (got <= 0 || static_cast<std::size_t>(got) >= sizeof link) return -1;
        const std::string target(link, static_cast<std::size_t>(got));
        step = target[0] == '/' ? target : Folder(step) + "/" + target;
    }
    return -1;
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

bool ReplacingFile::OpenStream(const struct stat& st) {
    if (S_ISCHR(st.st_mode)) {
        fd_ = open(target_.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    } else if (S_ISFIFO(st.st_mode)) {
        // Without a reader a FIFO would block the open: refuse it at once instead.
        fd_ = open(target_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd_ < 0 && errno == ENXIO) return Fail("no process reads the FIFO");
        if (fd_ >= 0) fcntl(fd_, F_SETFL, fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
    } else {
        return Fail("not a regular file");
    }
    return fd_ >= 0 || Fail(std::strerror(errno));
}

bool ReplacingFile::Open(const std::string& path, Streams streams) {
    Discard();
    path_ = path;
    failed_ = false;
    problem_.clear();
    buffer_.clear();
    if (path.empty()) return Fail("no file name");
    if (streams == Streams::WriteInto) {
        const int named = DescriptorNamed(path);
        if (named >= 0) {
            const int flags = fcntl(named, F_GETFL);
            if (flags < 0 || (flags & O_ACCMODE) == O_RDONLY) return Fail("not open for writing");
            fd_ = fcntl(named, F_DUPFD_CLOEXEC, 3);
            return fd_ >= 0 || Fail(std::strerror(errno));
        }
    }
    if (!FollowLinks(path, target_)) return Fail(std::strerror(errno));

    struct stat st {};
    if (stat(target_.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return Fail("it is a folder");
        if (!S_ISREG(st.st_mode))
            return streams == Streams::WriteInto ? OpenStream(st) : Fail("not a regular file");
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
    {
        const EndingSignalsHeld held;
        fd_ = mkostemp(name.data(), O_CLOEXEC);
        if (fd_ < 0) return Fail(std::strerror(errno));
        temp_ = name;
        slot_ = RegisterTemp(temp_);
    }
    // The new file belongs to the writer: a set-id bit must not pass to another owner or
    // group (a new file's mode has none).
    struct stat made {};
    if (fstat(fd_, &made) != 0) return Fail(std::strerror(errno));
    if (made.st_uid != st.st_uid) mode_ &= ~static_cast<unsigned>(S_ISUID);
    if (made.st_gid != st.st_gid) mode_ &= ~static_cast<unsigned>(S_ISGID);
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
    if (temp_.empty()) {  // a stream: nothing to rename
        const int fd = fd_;
        fd_ = -1;
        return close(fd) == 0 || Fail(std::strerror(errno));
    }
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
    action.sa_mask = EndingSignals();
    for (int sig : kEndingSignals) {
        struct sigaction before {};
        // nohup and background jobs start a program with some signals ignored: keep that.
        if (sigaction(sig, nullptr, &before) == 0 && before.sa_handler == SIG_IGN) continue;
        sigaction(sig, &action, nullptr);
    }
    // Past a file-size limit a write then fails like a full disk, and the failed
    // replacement removes its temporary file, instead of the process dying outright.
    signal(SIGXFSZ, SIG_IGN);
}

}  // namespace lumeta
