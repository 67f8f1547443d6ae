#pragma once

#include <sys/stat.h>

#include <string>
#include <string_view>

namespace lumeta {

// Replaces a file as a whole, never leaving a half-written one under its name.
//
// The data goes to a temporary file made exclusively, under a fresh name, in the target's
// folder (never through a planted link); it is flushed to disk before it is renamed over
// the target, and the folder is flushed after. The target keeps its permission bits; a
// target that is a symbolic link is replaced where the link points; a read-only target is
// refused and left as it is; a set-user-id or set-group-id bit is dropped when the new
// file's owner or group is not the old one's. The temporary file is removed on every
// failure, and by InstallTempFileCleanup's handler when a signal ends the process.
class ReplacingFile {
  public:
    // What Open does with a target that is no regular file.
    enum class Streams {
        Refuse,     // a device, FIFO or socket is refused ("not a regular file")
        WriteInto,  // a character device, a pipe or FIFO with a reader, or an open file
                    // descriptor of this process named as /dev/stdout, /dev/fd/N or
                    // /proc/self/fd/N, is written into as it stands; nothing is replaced
    };

    ReplacingFile() = default;
    ~ReplacingFile();  // discards the temporary file unless Commit succeeded
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // Checks the target and creates the temporary file; on failure `problem` says why.
    bool Open(const std::string& path, Streams streams = Streams::Refuse);
    // Writes the bytes as they stand.
    bool Write(std::string_view bytes);
    // Writes the line followed by CR LF.
    bool WriteLine(std::string_view line);
    // Flushes the temporary file and renames it over the target (or flushes the stream).
    bool Commit();
    // Removes the temporary file.
    void Discard();

    const std::string& problem() const { return problem_; }

  private:
    bool OpenStream(const struct stat& st);
    bool Flush();
    bool Fail(const std::string& why);

    std::string path_;    // as the caller named it, for messages
    std::string target_;  // the file that is replaced: path_ with its links followed
    std::string temp_;    // empty while writing into a stream
    int fd_ = -1;
    int slot_ = -1;  // in the registry of live temporary files
    unsigned mode_ = 0;
    bool failed_ = false;
    std::string buffer_;
    std::string problem_;
};

// Replaces `file` with exactly `text`. On failure the file is left as it was and, when
// `problem` is given, it says why.
bool ReplaceFileContents(const std::string& file, const std::string& text,
                         std::string* problem = nullptr);

// True when both names lead to one existing file (same device and inode), however they
// are spelled: through links, "..", or a second hard link.
bool SameFile(const std::string& a, const std::string& b);

// For every program that writes files: installs handlers for the signals that end a
// process (INT, TERM, HUP, QUIT, USR1, USR2, ALRM, PIPE) that remove every live temporary
// file and then end the process as the signal would have; a signal the process was started
// with ignored stays ignored. SIGXFSZ is ignored, so a write past the file-size limit
// fails with EFBIG like any other failed write and is reported, instead of killing the
// process.
void InstallTempFileCleanup();

}  // namespace lumeta
