#include "generator/dedupe_shuffle.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "board/num_text.h"
#include "generator/text_lines.h"

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

struct KeyedLine {
    std::uint32_t key;
    std::string_view folded;  // compared with letter case ignored
    std::string_view line;    // written as read
};

}  // namespace

RandomizeResult RandomizePuzzleFile(const std::string& source, RandomSource& random,
                                    const TitleFn& title) {
    RandomizeResult result;
    result.output = NoDupRandomName(source);

    const TextLines file = ReadTextLines(source);
    if (!file.readable) {
        result.message = file.problem;
        return result;
    }
    if (file.lines.empty()) {
        result.message = source + " is empty: there are no lines to randomize";
        return result;
    }

    // Phase "source": the distinct lines in the order first read.
    const std::string folded = FoldCase(file.text);
    const auto foldedOf = [&](std::string_view line) {
        return std::string_view(folded).substr(
            static_cast<std::size_t>(line.data() - file.text.data()), line.size());
    };
    std::unordered_set<std::string_view> seen;
    seen.reserve(file.lines.size());
    std::vector<KeyedLine> distinct;
    distinct.reserve(file.lines.size());
    bool titleCurrent = true;
    for (std::string_view line : file.lines) {
        ++result.read;
        const std::string_view key = foldedOf(line);
        titleCurrent = false;
        if (!seen.insert(key).second) continue;
        ++result.kept;
        distinct.push_back({0, key, line});
        if (title) {
            title("source" + BlankNumText(result.read) + BlankNumText(result.kept) +
                  BlankNumText(result.read - result.kept));
            titleCurrent = true;
        }
    }
    // The last line read may have been a repeat: show the phase's final counts.
    if (title && !titleCurrent)
        title("source" + BlankNumText(result.read) + BlankNumText(result.kept) +
              BlankNumText(result.read - result.kept));

    // Phase "no dup": a random five-digit key for every distinct line.
    for (KeyedLine& item : distinct) {
        item.key = static_cast<std::uint32_t>(random.DrawUnit() * 99997) + 1;
        ++result.keyed;
        if (title) title("no dup" + BlankNumText(result.keyed));
    }
    std::sort(distinct.begin(), distinct.end(), [](const KeyedLine& a, const KeyedLine& b) {
        return a.key != b.key ? a.key < b.key : a.folded < b.folded;
    });

    // Phase "random": the lines in key order, without their keys.
    ReplacingFile output;
    if (!output.Open(result.output)) {
        result.message = output.problem();
        return result;
    }
    long long position = 0;
    for (const KeyedLine& item : distinct) {
        if (!output.WriteLine(item.line)) break;
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
