#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "controls/colour_scheme.h"

namespace lumeta {

// The scheme file beside the program. It is a sequence of sections: a header line that is
// the scheme's name with ".col" ("xp.col"), then 13 colour lines "red;green;blue" for table
// 0 to 12. Lines before the first header are free text (they must not hold ".col").
inline constexpr const char* kSchemeFileName = "all.col";
// A scheme file larger than this (some thousands of schemes) is taken as no scheme file.
inline constexpr std::uintmax_t kSchemeFileLimit = 1 << 20;

// A scheme may name its windows' text colour on an optional line right after its 13 colour
// lines: "text=red;green;blue". Readers that do not know the line pass over it as free
// text, so a file with such lines still reads the same for them.
struct SchemeTextColour {
    std::optional<std::uint32_t> colour;  // none: the scheme names none
    // Why the named colour was replaced (a line that cannot be read, or text too close to
    // the background, menu or buttons to read); empty when it was taken as it stands.
    std::string problem;
};

// The names the scheme list shows: for every line holding ".col" (exact case) the text
// before its first ".col", in file order. Empty when the file cannot be read.
std::vector<std::string> ListSchemes(const std::string& path);

// Loads the section whose header is exactly `name` into table 0..12 of `table`. Slot 3 is
// slot 2 lightened (each component + 32, above 256 becomes 254) and slot 5 slot 4 darkened
// (− 32, below 1 becomes 8); their own lines are read and not used. Slot 13 is not touched.
// False when the file or the section is missing or a line cannot be read (fewer than three
// fields, a number beyond 16 bits); the table stored before that line keep their new values.
// A section's text line, when it has one, goes to `text`: a line that cannot be read or a
// colour below a readable contrast is replaced by black or white, whichever reads best.
bool LoadScheme(const std::string& path, const std::string& name, SchemeSlots& table,
                SchemeTextColour* text = nullptr);

// Loads the section `name` as it stands (table 3 and 5 from their own lines) and returns
// its slot-2 colour. The name "default.col" (any capitals) reads no file: table 2 and 4
// become `defaultBackground`, slot 3 black. None on the same failures as LoadScheme.
std::optional<std::uint32_t> PreviewScheme(const std::string& path, const std::string& name,
                                           SchemeSlots& table, std::uint32_t defaultBackground,
                                           SchemeTextColour* text = nullptr);

// The same readers over text already open (any stream of the file's bytes).
std::vector<std::string> ListSchemes(std::istream& in);
bool LoadScheme(std::istream& in, const std::string& name, SchemeSlots& table,
                SchemeTextColour* text = nullptr);
std::optional<std::uint32_t> PreviewScheme(std::istream& in, const std::string& name,
                                           SchemeSlots& table, std::uint32_t defaultBackground,
                                           SchemeTextColour* text = nullptr);

}  // namespace lumeta
