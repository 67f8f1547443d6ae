#pragma once

#include <functional>
#include <string>

namespace lumeta {

// Where the program finds and keeps its files. A portable copy keeps everything in its own
// folder and makes its puzzles in the working folder. An installed copy (the program in
// "bin/" or "games/", its data in "../share/lumeta/") reads the shipped files from there and keeps
// the user's files in the user's configuration and data folders. Every folder ends with "/".
struct AppFolders {
    std::string AppDir;     // the program's folder
    std::string DataDir;    // the shipped files: the collection, colour schemes, help page
    std::string ConfigDir;  // "lumeta.cfg"; empty when no folder for it is known
    std::string WorkDir;    // the created puzzle's file; empty for the working folder
    std::string DialogDir;  // where the file dialogs start
    bool installed = false;
    std::string notice;  // what the user should know about these folders; empty when fine
};

// Looks a variable up in the environment; empty when it is not set.
using EnvironmentLookup = std::function<std::string(const char* name)>;
std::string ProcessEnvironment(const char* name);
// The user's home folder as the user database names it; empty when it names none.
std::string UserDatabaseHome();

// Everything in the program's folder, the created puzzles in the working folder.
AppFolders PortableFolders(const std::string& programFolder);

// Decided by the layout alone, not by whether the program's folder may be written: root may
// write anywhere, and a shared installation must not collect one user's settings.
// Without HOME the user database names the home folder; with neither, an installed copy
// keeps no settings and makes its puzzles in the working folder. `notice` then says so.
AppFolders FindAppFolders(const std::string& programFolder,
                          const EnvironmentLookup& environment = ProcessEnvironment,
                          const std::function<std::string()>& userDatabaseHome = UserDatabaseHome);

}  // namespace lumeta
