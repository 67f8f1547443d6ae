#pragma once

#include <QString>
#include <string>

namespace lumeta {

// True when the file's length can be read and is not 0: a missing file, an unreadable one,
// a folder and an empty file all count as not existing.
bool FileExists(const std::string& path);

// The program's folder as the program keeps it: ending with "/".
std::string AppDirOf(const std::string& folder);

// A name as a message shows it: control characters (line breaks, escapes) as "?".
std::string ShownName(const std::string& name);

// The bytes of a path the toolkit handed over as text. Names on Linux are bytes, and one
// that is not valid in the system's encoding does not survive the trip to text and back;
// such a name is found again by looking, folder by folder, for the entry that reads as
// the same text. Names that do survive come back as they are.
std::string LocalPath(const QString& path);

}  // namespace lumeta
