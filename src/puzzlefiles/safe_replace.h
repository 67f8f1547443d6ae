#pragma once

#include <string>
#include <string_view>

namespace lumeta {

// Replaces a file as a whole, never leaving a half-written one under its name.
//
// The data goes to a temporary file made exclusively, under a fresh name, in the target's
// folder (never through a planted link); it is flushed to disk before it is renamed over
// the target, and the folder is flushed after. The target keeps its permission bits; a
// target that is a symbolic link is replaced where the link points; a read-only target is
// refused and left as it is. The temporary file is removed on every failure, and by
// InstallTempFileCleanup's handler on Ctrl+C or SIGTERM.
class ReplacingFile {
  public:
    ReplacingFile() = default;
    ~ReplacingFile();  // discards the temporary file unless Commit succeeded
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // Checks the target and creates the temporary file; on failure `problem` says why.
    bool Open(const std::string& path);
    // Writes the bytes as they stand.
    bool Write(std::string_view bytes);
    // Writes the line followed by CR LF.
    bool WriteLine(std::string_view line);
    // Flushes the temporary file and renames it over the target.
    bool Commit();
    // Removes the temporary file.
    void Discard();

    const std::string& problem() const { return problem_; }

  private:
    bool Flush();
    bool Fail(const std::string& why);

    std::string path_;    // as the caller named it, for messages
    std::string target_;  // the file that is replaced: path_ with its links followed
    std::string temp_;
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

// Installs handlers for SIGINT and SIGTERM that remove every live temporary file and then
// end the process as the signal would have. For programs that write files and may be
// interrupted from a terminal.
void InstallTempFileCleanup();

}  // namespace lumeta
