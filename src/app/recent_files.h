#pragma once

#include <array>
#include <string>

namespace lumeta {

// The recent files of the "File" menu, entry 0 the most recent. An entry is shown exactly
// when it holds a path; the separator after them is shown when any entry is.
struct RecentFiles {
    static constexpr int kEntries = 5;
    std::array<std::string, kEntries> caption{};

    bool Visible(int entry) const { return !caption[entry].empty(); }
    bool SeparatorVisible() const;
    void Clear() { caption.fill(""); }
};

// Puts a newly opened file at the top of the list. A path already listed (same text,
// letter case included) leaves the list as it is, order and all. Otherwise the listed
// paths move down behind it, closing any empty entries between them, and the oldest
// drops out when all five are taken. True when the list changed.
bool AddRecentFile(RecentFiles& recent, const std::string& path);

// The list to save when another copy of the program may have saved its own since this
// one read or last saved the file: `base` is the list as read or last saved, `onDisk` the
// list the file holds now. This copy's own additions come first, then the other copy's,
// then the files both had; the newest five stay.
RecentFiles MergeRecentFiles(const RecentFiles& mine, const RecentFiles& base,
                             const RecentFiles& onDisk);

// True when `text` holds something other than blanks.
bool HasText(const std::string& text);

}  // namespace lumeta
