#include "app/app_files.h"

#include <QFile>
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

std::string ShownName(const std::string& name) {
    std::string shown = name;
    for (char& c : shown)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = '?';
    return shown;
}

std::string LocalPath(const QString& path) {
    namespace fs = std::filesystem;
    const QByteArray bytes = QFile::encodeName(path);
    const std::string encoded(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    std::error_code ec;
    if (encoded.empty() || fs::exists(fs::symlink_status(encoded, ec))) return encoded;
    // Walk the path: each part as encoded when it exists, else the entry of its folder
    // that reads as the same text.
    fs::path found;
    for (const fs::path& part : fs::path(encoded)) {
        fs::path next = found / part;
        if (!fs::exists(fs::symlink_status(next, ec)) && part != "/" && !part.empty()) {
            const QString wanted = QFile::decodeName(part.c_str());
            const fs::path folder = found.empty() ? fs::path(".") : found;
            for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
                if (QFile::decodeName(it->path().filename().c_str()) == wanted) {
                    next = found / it->path().filename();
                    break;
                }
            }
        }
        found = std::move(next);
    }
    return found.empty() ? encoded : found.string();
}

}  // namespace lumeta
