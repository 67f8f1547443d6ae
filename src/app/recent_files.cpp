#include "app/recent_files.h"

namespace lumeta {

bool RecentFiles::SeparatorVisible() const {
    for (int entry = 0; entry < kEntries; ++entry)
        if (Visible(entry)) return true;
    return false;
}

bool HasText(const std::string& text) {
    return text.find_first_not_of(' ') != std::string::npos;
}

}  // namespace lumeta
