#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <string_view>

namespace lumeta::testing {

// A fresh folder of its own under the system's temporary folder, removed with everything
// in it; folders that killed test programs left are removed by the next one.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Path of a file in the folder, as text.
    std::string File(std::string_view name) const { return (path_ / name).string(); }
    // Writes bytes exactly as given and returns the file's path.
    std::string Write(std::string_view name, std::string_view bytes) const;

  private:
    std::filesystem::path path_;
};

std::string ReadBytes(const std::string& path);
// The names in a folder; a file's permission bits.
std::set<std::string> FileNames(const std::filesystem::path& folder);
inline unsigned ModeOf(const std::string& path) {
    return static_cast<unsigned>(std::filesystem::status(path).permissions()) & 07777;
}

}  // namespace lumeta::testing
