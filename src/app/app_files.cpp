#include "app/app_files.h"

#include <filesystem>
#include <system_error>

namespace lumeta {

bool FileExists(const std::string& path) {
    if (path.empty()) return false;
    std::error_code ec;
    const auto length = std::filesystem::file_size(path, ec);
    return !ec && length > 0;
}

std::string AppDirOf(const std::string& folder) {
    if (!folder.empty() && folder.back() == '/') return folder;
    return folder + "/";
}

}  // namespace lumeta
