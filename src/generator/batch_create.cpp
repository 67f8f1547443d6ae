#include "generator/batch_create.h"

#include <algorithm>
#include <unordered_set>

#include "board/num_text.h"
#include "generator/text_lines.h"

namespace lumeta {

CreateMultiResult CreateMulti(const CreateMultiOptions& options, const PuzzleMaker& makePuzzle,
                              const CreateMultiProgressFn& progress) {
    CreateMultiResult result;
    std::unordered_set<std::string> known;

    const TextLines existing = ReadTextLines(options.existingFile);
    result.existingRead = existing.readable;
    if (existing.readable) {
        result.existingLines = static_cast<long long>(existing.lines.size());
        known.reserve(existing.lines.size() +
                      static_cast<std::size_t>(std::max(0LL, options.runs)));
        for (std::string_view line : existing.lines)
            known.insert(FoldCase(line));
    } else {
        result.notice = existing.problem + "; the run starts from an empty collection";
    }

    ReplacingFile output;
    if (!output.Open(options.outputFile, ReplacingFile::Streams::WriteInto)) {
        result.message = output.problem();
        return result;
    }

    CreateMultiProgress step;
    for (long long i = 1; i <= options.runs; ++i) {
        const std::string line = makePuzzle();
        step.run = i;
        if (known.insert(FoldCase(line)).second) {
            ++step.newPuzzles;
            if (!output.WriteLine(line)) {
                result.message = output.problem();
                break;
            }
        } else {
            ++step.repeats;
        }
        result.runs = step.run;
        result.newPuzzles = step.newPuzzles;
        result.repeats = step.repeats;
        if (progress) {
            step.title =
                BlankNumText(step.run) + BlankNumText(step.newPuzzles) + BlankNumText(step.repeats);
            progress(step);
        }
    }
    if (!result.message.empty()) return result;  // stopped by a write failure
    if (!output.Commit()) {
        result.message = output.problem();
        return result;
    }
    result.completed = true;
    result.message = "done";
    return result;
}

CreateMultiResult CreateMulti(const CreateMultiOptions& options, BoardLayout& layout,
                              PuzzleState& puzzle, DigitPerm& perm, RandomSource& random,
                              const CreateMultiProgressFn& progress,
                              const AttemptHook& perAttempt) {
    BuildBoard(layout, puzzle);
    const PuzzleMaker make = [&] {
        CreatePuzzle(layout, puzzle, perm, random, perAttempt);
        return PuzzleLine(layout, puzzle);
    };
    return CreateMulti(options, make, progress);
}

}  // namespace lumeta
