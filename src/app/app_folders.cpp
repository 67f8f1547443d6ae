#include "app/app_folders.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "app/app_files.h"

namespace lumeta {

namespace {

namespace fs = std::filesystem;

std::string FolderText(const fs::path& folder) {
    return AppDirOf(folder.lexically_normal().string());
}

// An XDG base folder: the variable when it names an absolute path (the standard says to
// ignore a relative one), else the fallback under the home folder.
std::string HomeFolder(const EnvironmentLookup& environment) {
    const std::string home = environment("HOME");
    return home.empty() ? std::string("/") : home;
}

std::string UserFolder(const EnvironmentLookup& environment, const char* variable,
                       const char* underHome) {
    const std::string set = environment(variable);
    if (!set.empty() && set.front() == '/') return FolderText(fs::path(set) / "lumeta");
    return FolderText(fs::path(HomeFolder(environment)) / underHome / "lumeta");
}

}  // namespace

std::string ProcessEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

AppFolders PortableFolders(const std::string& programFolder) {
    AppFolders folders;
    folders.AppDir = AppDirOf(programFolder);
    folders.DataDir = folders.AppDir;
    folders.ConfigDir = folders.AppDir;
    folders.DialogDir = folders.AppDir;
    return folders;
}

AppFolders FindAppFolders(const std::string& programFolder, const EnvironmentLookup& environment) {
    AppFolders folders = PortableFolders(programFolder);
    fs::path program = fs::path(folders.AppDir).parent_path();
    const fs::path shared = program.parent_path() / "share" / "lumeta";
    std::error_code ec;
    // Debian keeps the programs of games in "games/" instead of "bin/".
    const bool programs = program.filename() == "bin" || program.filename() == "games";
    if (!programs || !fs::is_directory(shared, ec)) return folders;

    folders.installed = true;
    folders.DataDir = FolderText(shared);
    folders.ConfigDir = UserFolder(environment, "XDG_CONFIG_HOME", ".config");
    folders.WorkDir = UserFolder(environment, "XDG_DATA_HOME", ".local/share");
    // The user's own puzzle files belong where the user keeps files, not among the program's.
    folders.DialogDir = FolderText(HomeFolder(environment));
    return folders;
}

}  // namespace lumeta
