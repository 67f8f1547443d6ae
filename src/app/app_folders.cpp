#include "app/app_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <array>
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

// The home folder: HOME, else (HOME unset, as under some service managers) the one the
// user database names, as other desktop programs do; empty when neither names one.
std::string HomeFolder(const EnvironmentLookup& environment,
                       const std::function<std::string()>& userDatabaseHome) {
    const std::string home = environment("HOME");
    if (!home.empty()) return home;
    const std::string known = userDatabaseHome();
    return !known.empty() && known.front() == '/' ? known : std::string();
}

// An XDG base folder: the variable when it names an absolute path (the standard says to
// ignore a relative one), else the fallback under the home folder; empty without either.
std::string UserFolder(const EnvironmentLookup& environment, const std::string& home,
                       const char* variable, const char* underHome) {
    const std::string set = environment(variable);
    if (!set.empty() && set.front() == '/') return FolderText(fs::path(set) / "lumeta");
    if (home.empty()) return {};
    return FolderText(fs::path(home) / underHome / "lumeta");
}

}  // namespace

std::string UserDatabaseHome() {
    std::array<char, 4096> buffer{};
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found ||
        !found->pw_dir)
        return {};
    return found->pw_dir;
}

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

AppFolders FindAppFolders(const std::string& programFolder, const EnvironmentLookup& environment,
                          const std::function<std::string()>& userDatabaseHome) {
    AppFolders folders = PortableFolders(programFolder);
    fs::path program = fs::path(folders.AppDir).parent_path();
    const fs::path shared = program.parent_path() / "share" / "lumeta";
    std::error_code ec;
    // Debian keeps the programs of games in "games/" instead of "bin/".
    const bool programs = program.filename() == "bin" || program.filename() == "games";
    if (!programs || !fs::is_directory(shared, ec)) return folders;

    folders.installed = true;
    folders.DataDir = FolderText(shared);
    const std::string home = HomeFolder(environment, userDatabaseHome);
    folders.ConfigDir = UserFolder(environment, home, "XDG_CONFIG_HOME", ".config");
    folders.WorkDir = UserFolder(environment, home, "XDG_DATA_HOME", ".local/share");
    // The user's own puzzle files belong where the user keeps files, not among the program's.
    folders.DialogDir = home.empty() ? std::string() : FolderText(home);
    if (environment("HOME").empty()) {
        folders.notice = home.empty() ? "HOME is not set and no home folder is known"
                                      : "HOME is not set; using " + home;
        if (folders.ConfigDir.empty()) folders.notice += "; settings are not kept";
        if (folders.WorkDir.empty()) {
            // Nowhere of its own for them: created puzzles go where a portable copy's go.
            folders.notice += "; created puzzles go to the working folder";
        }
    }
    return folders;
}

}  // namespace lumeta
