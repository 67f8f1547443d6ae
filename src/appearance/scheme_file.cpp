#include "appearance/scheme_file.h"

#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "appearance/colour_parts.h"
#include "board/num_text.h"

namespace lumeta {

namespace {

// The next line of an 8-bit text file ending in CR LF, LF or CR; false at the end. A line
// end at the very end of the file starts no further line.
bool NextLine(std::istream& in, std::string& line) {
    line.clear();
    int c = in.get();
    if (c == EOF) return false;
    for (; c != EOF; c = in.get()) {
        if (c == '\n') return true;
        if (c == '\r') {
            if (in.peek() == '\n') in.get();
            return true;
        }
        line.push_back(static_cast<char>(c));
    }
    return true;
}

// Reads lines until one equals `name` exactly.
bool FindSection(std::istream& in, const std::string& name) {
    std::string line;
    while (NextLine(in, line))
        if (line == name) return true;
    return false;
}

// The three components of a colour line as read (they may lie outside 0..255); none when
// the line has fewer than three fields or a field does not fit 16 bits.
std::optional<ColourParts> ReadColourLine(std::istream& in) {
    std::string line;
    if (!NextLine(in, line)) return std::nullopt;
    int fields[3] = {};
    std::size_t start = 0;
    for (int field = 0; field < 3; ++field) {
        if (start > line.size()) return std::nullopt;
        const std::size_t end = std::min(line.find(';', start), line.size());
        const double value =
            std::nearbyint(NumericPrefix(std::string_view(line).substr(start, end - start)));
        if (!(value >= -32768 && value <= 32767)) return std::nullopt;
        fields[field] = static_cast<int>(value);
        start = end + 1;
    }
    return ColourParts{fields[0], fields[1], fields[2]};
}

std::string LowerCase(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

std::vector<std::string> ListSchemes(std::istream& in) {
    std::vector<std::string> names;
    std::string line;
    while (in && NextLine(in, line)) {
        const std::size_t at = line.find(".col");
        if (at != std::string::npos) names.push_back(line.substr(0, at));
    }
    return names;
}

bool LoadScheme(std::istream& in, const std::string& name, SchemeSlots& table) {
    if (!in || !FindSection(in, name)) return false;
    ColourParts background;
    ColourParts button;
    for (int slot = 0; slot <= 12; ++slot) {
        const std::optional<ColourParts> read = ReadColourLine(in);
        if (!read) return false;
        ColourParts parts = *read;
        if (slot == 2) background = parts;
        if (slot == 4) button = parts;
        if (slot == 3) {
            // The menu: the window background lightened.
            const auto lighten = [](int part) { return part + 32 > 256 ? 254 : part + 32; };
            parts = {lighten(background.red), lighten(background.green), lighten(background.blue)};
        } else if (slot == 5) {
            const auto darken = [](int part) { return part - 32 < 1 ? 8 : part - 32; };
            parts = {darken(button.red), darken(button.green), darken(button.blue)};
        }
        table[slot] = ComposeColour(parts.red, parts.green, parts.blue);
    }
    return true;
}

std::optional<std::uint32_t> PreviewScheme(std::istream& in, const std::string& name,
                                           SchemeSlots& table, std::uint32_t defaultBackground) {
    if (LowerCase(name) == "default.col") {
        table[2] = defaultBackground;
        table[4] = defaultBackground;
        table[3] = 0;
        return table[2];
    }
    if (!in || !FindSection(in, name)) return std::nullopt;
    for (int slot = 0; slot <= 12; ++slot) {
        const std::optional<ColourParts> read = ReadColourLine(in);
        if (!read) return std::nullopt;
        table[slot] = ComposeColour(read->red, read->green, read->blue);
    }
    return table[2];
}

namespace {

// Opens the scheme file only when it is a regular file of a sensible size: a FIFO or a
// device under its name would hold the program at start-up, waiting for text that never
// comes, and a huge file would hold it reading (the file is read at every start and
// every apply). Either reads as a missing file.
void OpenSchemeFile(std::ifstream& in, const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return;
    const auto size = std::filesystem::file_size(path, error);
    if (!error && size <= kSchemeFileLimit) in.open(path, std::ios::binary);
}

}  // namespace

std::vector<std::string> ListSchemes(const std::string& path) {
    std::ifstream in;
    OpenSchemeFile(in, path);
    return ListSchemes(in);
}

bool LoadScheme(const std::string& path, const std::string& name, SchemeSlots& table) {
    std::ifstream in;
    OpenSchemeFile(in, path);
    return LoadScheme(in, name, table);
}

std::optional<std::uint32_t> PreviewScheme(const std::string& path, const std::string& name,
                                           SchemeSlots& table, std::uint32_t defaultBackground) {
    // The default scheme is the system's colours: its name opens no file.
    std::ifstream in;
    if (LowerCase(name) != "default.col") OpenSchemeFile(in, path);
    return PreviewScheme(in, name, table, defaultBackground);
}

}  // namespace lumeta
