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

// True when `text` holds something other than blanks.
bool HasText(const std::string& text);

}  // namespace lumeta
