#include "generator/dedupe_shuffle.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

#include "board/num_text.h"
#include "generator/text_lines.h"
#include "generator/whole_file.h"

namespace lumeta {

std::string NoDupRandomName(const std::string& source) {
    const std::size_t nameStart =
        source.find_last_of('/') == std::string::npos ? 0 : source.find_last_of('/') + 1;
    const std::size_t dot = source.find_last_of('.');
    const std::string stem =
        dot == std::string::npos || dot < nameStart ? source : source.substr(0, dot);
    return stem + "-noduprandom.txt";
}

namespace {

char Folded(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Orders lines as their case-folded texts order (bytes compared unsigned, a prefix first).
bool FoldedLess(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto x = static_cast<unsigned char>(Folded(a[i]));
        const auto y = static_cast<unsigned char>(Folded(b[i]));
        if (x != y) return x < y;
    }
    return a.size() < b.size();
}

bool FoldedEqual(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Folded(a[i]) != Folded(b[i])) return false;
    return true;
}

std::uint64_t FoldedHash(std::string_view line) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;  // FNV-1a
    for (char c : line)
        hash = (hash ^ static_cast<unsigned char>(Folded(c))) * 0x100000001b3ULL;
    return hash ^ (hash >> 29);
}

// A distinct line as a place in the file's text; `order` holds its random key in the high
// half and its first four folded bytes below, so most comparisons need not read the text.
struct KeyedLine {
    std::uint64_t order;
    std::uint64_t offset;
    std::size_t size;
};

std::uint64_t FoldedPrefix(std::string_view line) {
    std::uint64_t prefix = 0;
    for (std::size_t i = 0; i < 4; ++i)
        prefix =
            (prefix << 8) | (i < line.size() ? static_cast<unsigned char>(Folded(line[i])) : 0);
    return prefix;
}

// The distinct lines of a text (letter case ignored) in the order first met, found through
// an open-addressing table of their numbers: far less memory than a set of strings.
class DistinctLines {
  public:
    DistinctLines(std::string_view text, std::size_t lineCount) : text_(text) {
        std::size_t slots = 16;
        while (slots < lineCount * 2)
            slots *= 2;
        slots_.assign(slots, kEmpty);
        lines_.reserve(lineCount);
    }

    // Adds the line unless an equal one is there; true when added.
    bool Add(std::string_view line) {
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t slot = FoldedHash(line) & mask;; slot = (slot + 1) & mask) {
            const std::uint32_t number = slots_[slot];
            if (number == kEmpty) {
                slots_[slot] = static_cast<std::uint32_t>(lines_.size());
                lines_.push_back({FoldedPrefix(line),
                                  static_cast<std::uint64_t>(line.data() - text_.data()),
                                  line.size()});
                return true;
            }
            if (FoldedEqual(Text(lines_[number]), line)) return false;
        }
    }
    // The table is no longer needed once every line is in.
    void DropTable() { std::vector<std::uint32_t>().swap(slots_); }

    std::string_view Text(const KeyedLine& line) const {
        return text_.substr(line.offset, line.size);
    }
    std::vector<KeyedLine>& lines() { return lines_; }

  private:
    static constexpr std::uint32_t kEmpty = 0xffffffffu;
    std::string_view text_;
    std::vector<std::uint32_t> slots_;
    std::vector<KeyedLine> lines_;
};

}  // namespace

RandomizeResult RandomizePuzzleFile(const std::string& source, RandomSource& random,
                                    const TitleFn& title) {
    RandomizeResult result;
    result.output = NoDupRandomName(source);

    const WholeFile file = ReadWholeFile(source);
    if (!file.readable) {
        result.message = file.problem;
        return result;
    }
    std::size_t lineCount = 0;
    ForEachLine(file.text, [&](std::string_view) { ++lineCount; });
    if (lineCount == 0) {
        result.message = source + " is empty: there are no lines to randomize";
        return result;
    }
    if (lineCount >= 0xffffffffu) {
        result.message = source + " has too many lines to randomize";
        return result;
    }

    // Phase "source": the distinct lines in the order first read.
    DistinctLines distinct(file.text, lineCount);
    bool titleCurrent = true;
    ForEachLine(file.text, [&](std::string_view line) {
        ++result.read;
        titleCurrent = false;
        if (!distinct.Add(line)) return;
        ++result.kept;
        if (title) {
            title("source" + BlankNumText(result.read) + BlankNumText(result.kept) +
                  BlankNumText(result.read - result.kept));
            titleCurrent = true;
        }
    });
    distinct.DropTable();
    // The last line read may have been a repeat: show the phase's final counts.
    if (title && !titleCurrent)
        title("source" + BlankNumText(result.read) + BlankNumText(result.kept) +
              BlankNumText(result.read - result.kept));

    // Phase "no dup": a random five-digit key for every distinct line.
    std::vector<KeyedLine>& lines = distinct.lines();
    for (KeyedLine& item : lines) {
        const auto key = static_cast<std::uint32_t>(random.DrawUnit() * 99997) + 1;
        item.order |= std::uint64_t{key} << 32;
        ++result.keyed;
        if (title) title("no dup" + BlankNumText(result.keyed));
    }
    // By key and, for equal keys, by the line: distinct lines never tie.
    std::sort(lines.begin(), lines.end(), [&](const KeyedLine& a, const KeyedLine& b) {
        if (a.order != b.order) return a.order < b.order;
        return FoldedLess(distinct.Text(a), distinct.Text(b));
    });

    // Phase "random": the lines in key order, without their keys.
    ReplacingFile output;
    if (!output.Open(result.output)) {
        result.message = output.problem();
        return result;
    }
    long long position = 0;
    for (const KeyedLine& item : lines) {
        if (!output.WriteLine(distinct.Text(item))) break;
        ++position;
        if (title) title("random" + BlankNumText(position));
    }
    if (!output.Commit()) {
        result.message = output.problem();
        return result;
    }
    result.ok = true;
    result.message = result.output + " randomized";
    return result;
}

}  // namespace lumeta
