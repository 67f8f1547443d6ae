#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "app/recent_files.h"

namespace lumeta {

// What the program remembers between runs, with the values a first run starts from.
// Colours are red + 256 × green + 65536 × blue.
struct ConfigSettings {
    std::string SchemeName = "xp.col";
    std::string PuzzleFile;  // empty for none
    std::string BoardFontName = "Arial";
    int PuzzleNo = 0;
    int BoardFontSize = 10;                  // points
    std::uint32_t BorderColour = 0;          // black
    std::uint32_t FixedColour = 255;         // light red
    std::uint32_t GridColour = 0;            // black
    std::uint32_t UserColour = 128;          // dark red
    std::uint32_t HexFillColour = 16777215;  // white
    int BorderWidth = 2;                     // pixels
    std::uint32_t UserButtonColour = 0;      // the user's own button colour, 0 for none
    RecentFiles recent;
};

// The name of the configuration file in the program's folder.
inline constexpr const char* kConfigFileName = "lumeta.cfg";

struct ConfigRead {
    ConfigSettings settings;
    bool damaged = false;         // missing, short or unreadable: the defaults are in force
    bool defaultWritten = false;  // after damage: a new file with the defaults was written
    std::string keptAs;           // after damage: where the damaged file was kept
};

// How many damaged files are kept beside the configuration: "lumeta.cfg.bad", then
// "lumeta.cfg.bad.2" and on.
inline constexpr int kKeptDamagedFiles = 9;
std::string DamagedFileName(const std::string& path, int number);

// Reads the nine lines of the configuration file. A missing, short or unreadable file
// gives the defaults (everything read from it is dropped) and is replaced by a file
// holding the defaults; when that cannot be written the defaults still hold. A damaged
// file is first renamed beside it, onto the first free name of DamagedFileName, so an
// earlier damaged file (with the recent files in it) is never lost to a later one; when
// all are taken, the newest damage is not kept.
ConfigRead ReadcfgFile(const std::string& path);

// The settings the file holds, without repairing anything; none when it is missing or
// damaged. For merging what another copy of the program saved meanwhile.
std::optional<ConfigSettings> PeekcfgFile(const std::string& path);

// Moves a damaged file onto the first free name of DamagedFileName; the name, or empty
// when it stays where it is.
std::string KeepDamagedFile(const std::string& path);

// False for a text holding a line end: one line of the file cannot hold it. Such a text
// is written as an empty line.
bool StorableName(const std::string& text);

// Writes the settings as the nine lines of the configuration file, through a temporary
// file renamed over the old one, so a failed save leaves the old file whole. False when
// the file could not be written.
bool SavecfgFile(const std::string& path, const ConfigSettings& settings);

// The file's text for these settings: lines ending in CR LF, line 4 with the nine numbers
// each preceded by a blank (or minus sign) and followed by a blank.
std::string ConfigText(const ConfigSettings& settings);

// The file a first run writes: the defaults, with a single blank on each recent-files line.
std::string DefaultConfigText();

}  // namespace lumeta
