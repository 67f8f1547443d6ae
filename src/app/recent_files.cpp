#include "app/recent_files.h"

#include <algorithm>

namespace lumeta {

bool RecentFiles::SeparatorVisible() const {
    for (int entry = 0; entry < kEntries; ++entry)
        if (Visible(entry)) return true;
    return false;
}

bool AddRecentFile(RecentFiles& recent, const std::string& path) {
    if (std::find(recent.caption.begin(), recent.caption.end(), path) != recent.caption.end())
        return false;
    // Entries hidden by blank lines of the configuration leave gaps; shifting across a gap
    // would copy the entry above it twice, so the list is built afresh without them.
    RecentFiles moved;
    moved.caption[0] = path;
    int next = 1;
    for (const std::string& listed : recent.caption)
        if (!listed.empty() && next < RecentFiles::kEntries) moved.caption[next++] = listed;
    recent = moved;
    return true;
}

RecentFiles MergeRecentFiles(const RecentFiles& mine, const RecentFiles& base,
                             const RecentFiles& onDisk) {
    const auto listed = [](const RecentFiles& recent, const std::string& path) {
        return std::find(recent.caption.begin(), recent.caption.end(), path) !=
               recent.caption.end();
    };
    RecentFiles merged;
    int next = 0;
    const auto take = [&](const std::string& path) {
        if (next < RecentFiles::kEntries && HasText(path) && !listed(merged, path))
            merged.caption[next++] = path;
    };
    for (const std::string& path : mine.caption)
        if (!listed(base, path)) take(path);
    for (const std::string& path : onDisk.caption)
        if (!listed(base, path)) take(path);
    for (const std::string& path : mine.caption)
        take(path);
    return merged;
}

bool HasText(const std::string& text) {
    return text.find_first_not_of(' ') != std::string::npos;
}

}  // namespace lumeta
