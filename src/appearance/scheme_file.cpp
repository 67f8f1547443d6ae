#include "appearance/scheme_file.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "appearance/colour_contrast.h"
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

// "text=red;green;blue", each a whole number 0..255 with blanks around it allowed.
std::optional<std::uint32_t> ParseTextLine(std::string_view line) {
    line.remove_prefix(5);
    int parts[3] = {};
    for (int field = 0; field < 3; ++field) {
        const std::size_t end = field < 2 ? line.find(';') : line.size();
        if (end == std::string_view::npos) return std::nullopt;
        std::string_view number = line.substr(0, end);
        while (!number.empty() && number.front() == ' ')
            number.remove_prefix(1);
        while (!number.empty() && number.back() == ' ')
            number.remove_suffix(1);
        if (number.empty() || number.size() > 3) return std::nullopt;
        int value = 0;
        for (char c : number) {
            if (c < '0' || c > '9') return std::nullopt;
            value = value * 10 + (c - '0');
        }
        if (value > 255) return std::nullopt;
        parts[field] = value;
        line.remove_prefix(std::min(end + 1, line.size()));
    }
    return ComposeColour(parts[0], parts[1], parts[2]);
}

// The least contrast of a text colour against the grounds it is drawn on: the window
// background, the menu and the button face.
double LeastContrast(std::uint32_t text, const SchemeSlots& table) {
    return std::min({ContrastRatio(text, table[2]), ContrastRatio(text, table[3]),
                     ContrastRatio(text, table[4])});
}

// Reads the text line that may follow a section's colour lines.
void ReadTextLine(std::istream& in, const SchemeSlots& table, SchemeTextColour& text) {
    text = {};
    std::string line;
    if (!NextLine(in, line) || line.rfind("text", 0) != 0) return;
    const std::uint32_t black = ComposeColour(0, 0, 0);
    const std::uint32_t white = ComposeColour(255, 255, 255);
    const std::uint32_t best =
        LeastContrast(black, table) >= LeastContrast(white, table) ? black : white;
    const std::optional<std::uint32_t> named =
        line.rfind("text=", 0) == 0 ? ParseTextLine(line) : std::nullopt;
    const char* shown = best == black ? "black" : "white";
    if (!named) {
        text.colour = best;
        text.problem = "its text colour line \"" + line + "\" cannot be read; " + shown +
                       " text is shown instead";
    } else if (LeastContrast(*named, table) < kReadableContrast) {
        text.colour = best;
        text.problem = std::string("its text colour is too close to its background to read; ") +
                       shown + " text is shown instead";
    } else {
        text.colour = named;
    }
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

bool LoadScheme(std::istream& in, const std::string& name, SchemeSlots& table,
                SchemeTextColour* text) {
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
    if (text) ReadTextLine(in, table, *text);
    return true;
}

std::optional<std::uint32_t> PreviewScheme(std::istream& in, const std::string& name,
                                           SchemeSlots& table, std::uint32_t defaultBackground,
                                           SchemeTextColour* text) {
    if (text) *text = {};
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
    if (text) ReadTextLine(in, table, *text);
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

bool LoadScheme(const std::string& path, const std::string& name, SchemeSlots& table,
                SchemeTextColour* text) {
    std::ifstream in;
    OpenSchemeFile(in, path);
    return LoadScheme(in, name, table, text);
}

std::optional<std::uint32_t> PreviewScheme(const std::string& path, const std::string& name,
                                           SchemeSlots& table, std::uint32_t defaultBackground,
                                           SchemeTextColour* text) {
    // The default scheme is the system's colours: its name opens no file.
    std::ifstream in;
    if (LowerCase(name) != "default.col") OpenSchemeFile(in, path);
    return PreviewScheme(in, name, table, defaultBackground, text);
}

}  // namespace lumeta
