#include "app/config_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <optional>
#include <string_view>

#include "board/num_text.h"
#include "puzzlefiles/puzzle_writer.h"
#include "puzzlefiles/regular_file.h"

namespace lumeta {

namespace fs = std::filesystem;

namespace {

// The settings lie in the first few hundred bytes; anything past this is never needed.
constexpr std::size_t kReadLimit = 1 << 20;

std::optional<std::string> ReadFileStart(const std::string& path) {
    std::FILE* in = OpenRegularFile(path);
    if (!in) return std::nullopt;
    // Read in small blocks: the file is a few hundred bytes, and a buffer of the whole
    // limit would be cleared page by page on every start.
    std::string bytes;
    std::array<char, 4096> block;
    while (bytes.size() < kReadLimit) {
        const std::size_t want = std::min(block.size(), kReadLimit - bytes.size());
        const std::size_t got = std::fread(block.data(), 1, want, in);
        bytes.append(block.data(), got);
        if (got < want) break;
    }
    const bool failed = std::ferror(in) != 0;
    std::fclose(in);
    if (failed) return std::nullopt;
    return bytes;
}

// Reads the file the way its lines were written: whole lines ending in CR LF, LF or CR,
// and numbers separated by blanks, commas or line ends.
class ConfigReader {
  public:
    explicit ConfigReader(std::string_view text) : text_(text) {}

    // The next whole line; none at the end of the text.
    std::optional<std::string> Line() {
        if (at_ >= text_.size()) return std::nullopt;
        const std::size_t start = at_;
        while (at_ < text_.size() && !IsLineEnd(text_[at_]))
            ++at_;
        std::string line(text_.substr(start, at_ - start));
        SkipLineEnd();
        return line;
    }

    // The next number: blanks and line ends before it are skipped; after it the blanks
    // and one comma or line end that close it are taken too. An empty field between
    // commas reads as 0. None when the text ends first or the field is not a number.
    std::optional<std::int32_t> Number() {
        while (at_ < text_.size() && (IsBlank(text_[at_]) || IsLineEnd(text_[at_])))
            ++at_;
        if (at_ >= text_.size()) return std::nullopt;
        const std::size_t start = at_;
        while (at_ < text_.size() && !IsBlank(text_[at_]) && text_[at_] != ',' &&
               !IsLineEnd(text_[at_]))
            ++at_;
        const std::string_view field = text_.substr(start, at_ - start);
        while (at_ < text_.size() && IsBlank(text_[at_]))
            ++at_;
        if (at_ < text_.size() && text_[at_] == ',')
            ++at_;
        else
            SkipLineEnd();
        if (field.empty()) return 0;
        return ParseNumber(field);
    }

  private:
    static bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }
    static bool IsBlank(char c) { return c == ' ' || c == '\t'; }

    void SkipLineEnd() {
        if (at_ < text_.size() && text_[at_] == '\r') {
            ++at_;
            if (at_ < text_.size() && text_[at_] == '\n') ++at_;
        } else if (at_ < text_.size() && text_[at_] == '\n') {
            ++at_;
        }
    }

    // A whole number, or a decimal fraction rounded to the nearest (halves to even), that
    // fits 32 bits.
    static std::optional<std::int32_t> ParseNumber(std::string_view field) {
        std::size_t at = 0;
        bool negative = false;
        if (field[at] == '+' || field[at] == '-') negative = field[at++] == '-';
        double value = 0;
        std::size_t digits = 0;
        for (; at < field.size() && field[at] >= '0' && field[at] <= '9'; ++at, ++digits)
            value = value * 10 + (field[at] - '0');
        if (at < field.size() && field[at] == '.') {
            double scale = 0.1;
            for (++at; at < field.size() && field[at] >= '0' && field[at] <= '9'; ++at, ++digits) {
                value += (field[at] - '0') * scale;
                scale /= 10;
            }
        }
        if (digits == 0 || at != field.size()) return std::nullopt;
        if (negative) value = -value;
        value = std::nearbyint(value);  // the default rounding sends halves to even
        if (value < std::numeric_limits<std::int32_t>::min() ||
            value > std::numeric_limits<std::int32_t>::max())
            return std::nullopt;
        return static_cast<std::int32_t>(value);
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

std::optional<ConfigSettings> ParseConfig(std::string_view text) {
    ConfigReader reader(text);
    ConfigSettings settings;
    for (std::string* line :
         {&settings.SchemeName, &settings.PuzzleFile, &settings.BoardFontName}) {
        std::optional<std::string> read = reader.Line();
        if (!read) return std::nullopt;
        *line = std::move(*read);
    }

    std::array<std::int32_t, 9> numbers{};
    for (std::int32_t& number : numbers) {
        const std::optional<std::int32_t> read = reader.Number();
        if (!read) return std::nullopt;
        number = *read;
    }
    settings.PuzzleNo = numbers[0];
    settings.BoardFontSize = numbers[1];
    settings.BorderColour = static_cast<std::uint32_t>(numbers[2]);
    settings.FixedColour = static_cast<std::uint32_t>(numbers[3]);
    settings.GridColour = static_cast<std::uint32_t>(numbers[4]);
    settings.UserColour = static_cast<std::uint32_t>(numbers[5]);
    settings.HexFillColour = static_cast<std::uint32_t>(numbers[6]);
    settings.BorderWidth = numbers[7];
    settings.UserButtonColour = static_cast<std::uint32_t>(numbers[8]);

    // A line of blanks hides its entry; the next line still fills the next entry.
    for (std::string& caption : settings.recent.caption) {
        std::optional<std::string> read = reader.Line();
        if (!read) return std::nullopt;
        if (HasText(*read)) caption = std::move(*read);
    }
    return settings;
}

// A number as line 4 holds it: a blank (or the minus sign) in front, a blank after.
std::string NumberField(std::int64_t value) {
    return BlankNumText(value) + " ";
}

std::string SignedColour(std::uint32_t colour) {
    return NumberField(static_cast<std::int32_t>(colour));
}

}  // namespace

std::optional<ConfigSettings> PeekcfgFile(const std::string& path) {
    const std::optional<std::string> text = ReadFileStart(path);
    if (!text) return std::nullopt;
    return ParseConfig(*text);
}

std::string KeepDamagedFile(const std::string& path) {
    // Renamed only onto a free name: an earlier damaged file is never replaced.
    for (int number = 1; number <= kKeptDamagedFiles; ++number) {
        const std::string kept = DamagedFileName(path, number);
        if (renameat2(AT_FDCWD, path.c_str(), AT_FDCWD, kept.c_str(), RENAME_NOREPLACE) == 0)
            return kept;
        if (errno == EEXIST) continue;
        if (errno != EINVAL && errno != ENOSYS) return {};
        // A file system without the no-replace rename: a new hard link fails when taken.
        if (link(path.c_str(), kept.c_str()) == 0) {
            unlink(path.c_str());
            return kept;
        }
        if (errno != EEXIST) return {};
    }
    return {};
}

std::string DamagedFileName(const std::string& path, int number) {
    return path + ".bad" + (number > 1 ? "." + std::to_string(number) : std::string());
}

ConfigRead ReadcfgFile(const std::string& path) {
    ConfigRead result;
    if (std::optional<ConfigSettings> settings = PeekcfgFile(path)) {
        result.settings = std::move(*settings);
        return result;
    }
    result.damaged = true;
    // The damaged file stays beside the new one, so the recent files in it can be found.
    std::error_code ec;
    if (fs::exists(fs::symlink_status(path, ec))) result.keptAs = KeepDamagedFile(path);
    result.defaultWritten = ReplaceFileContents(path, DefaultConfigText());
    return result;
}

bool StorableName(const std::string& text) {
    return text.find_first_of("\r\n") == std::string::npos;
}

std::string ConfigText(const ConfigSettings& settings) {
    const std::string numbers =
        NumberField(settings.PuzzleNo) + NumberField(settings.BoardFontSize) +
        SignedColour(settings.BorderColour) + SignedColour(settings.FixedColour) +
        SignedColour(settings.GridColour) + SignedColour(settings.UserColour) +
        SignedColour(settings.HexFillColour) + NumberField(settings.BorderWidth) +
        SignedColour(settings.UserButtonColour);
    std::string text;
    // A line end inside a text would split its line and shift every line after it; such
    // a text is left out (an empty line) rather than written raw.
    const auto add = [&text](const std::string& line) {
        text += (StorableName(line) ? line : std::string()) + "\r\n";
    };
    for (const std::string* line :
         {&settings.SchemeName, &settings.PuzzleFile, &settings.BoardFontName, &numbers})
        add(*line);
    for (const std::string& caption : settings.recent.caption)
        add(caption);
    return text;
}

std::string DefaultConfigText() {
    ConfigSettings defaults;
    defaults.recent.caption.fill(" ");
    return ConfigText(defaults);
}

bool SavecfgFile(const std::string& path, const ConfigSettings& settings) {
    return ReplaceFileContents(path, ConfigText(settings));
}

}  // namespace lumeta
