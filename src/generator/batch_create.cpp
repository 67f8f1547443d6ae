#include "generator/batch_create.h"

#include <algorithm>

#include "board/num_text.h"
#include "generator/line_set.h"
#include "generator/text_lines.h"
#include "generator/whole_file.h"

namespace lumeta {

CreateMultiResult CreateMulti(const CreateMultiOptions& options, const PuzzleMaker& makePuzzle,
                              const CreateMultiProgressFn& progress) {
    CreateMultiResult result;
    // Made puzzles are remembered in about 20 bytes each; the room for all the runs is
    // claimed at once up to a bound, beyond which the table grows as puzzles come.
    const std::size_t runsAhead =
        static_cast<std::size_t>(std::clamp(options.runs, 0LL, kRunsReservedAhead));
    DistinctLines known;
    long long lines = 0;
    std::string problem;
    result.existingRead = ReadLinesOf(
        options.existingFile, [&](std::uint64_t bytes) { known.ReserveForFile(bytes, runsAhead); },
        [&](std::string_view line) {
            ++lines;
            known.Insert(line);
        },
        problem);
    if (result.existingRead) {
        result.existingLines = lines;
    } else {
        known.Clear();
        known.Reserve(runsAhead);
        result.notice = problem + "; the run starts from an empty collection";
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
        if (known.Insert(line)) {
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
        return PuzzleLineWithView(layout, puzzle);
    };
    return CreateMulti(options, make, progress);
}

}  // namespace lumeta
