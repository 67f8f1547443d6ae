#pragma once

#include <string>

namespace lumeta {

// True when the file's length can be read and is not 0: a missing file, an unreadable one,
// a folder and an empty file all count as not existing.
bool FileExists(const std::string& path);

// The program's folder as the program keeps it: ending with "/".
std::string AppDirOf(const std::string& folder);

}  // namespace lumeta
