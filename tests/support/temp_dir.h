#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace lumeta::testing {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Path of a file in the folder, as text.
    std::string File(std::string_view name) const;
    // Writes bytes exactly as given and returns the file's path.
    std::string Write(std::string_view name, std::string_view bytes) const;

  private:
    std::filesystem::path path_;
};

std::string ReadBytes(const std::string& path);

}  // namespace lumeta::testing
