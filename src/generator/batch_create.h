#pragma once

#include <functional>
#include <string>

#include "board/board_layout.h"
#include "board/puzzle_state.h"
#include "generator/puzzle_generator.h"
#include "generator/random_source.h"

namespace lumeta {

// The runs whose room is claimed before the first one (about 20 bytes a run).
inline constexpr long long kRunsReservedAhead = 1 << 24;

struct CreateMultiOptions {
    std::string existingFile = "puzmulti20sepd.txt";  // the collection to avoid
    std::string outputFile = "puzmulti21sepA.txt";    // replaced by the new puzzles
    long long runs = 32000;
};

struct CreateMultiProgress {
    long long run = 0;
    long long newPuzzles = 0;
    long long repeats = 0;
    std::string title;  // " 17 15 2": run, new, repeats
};

struct CreateMultiResult {
    bool completed = false;     // every run made and the output file in place
    bool existingRead = false;  // false: the collection was missing or unreadable
    long long existingLines = 0;
    long long runs = 0;
    long long newPuzzles = 0;
    long long repeats = 0;
    std::string notice;   // about the existing collection, when it could not be read
    std::string message;  // "done", or why the run stopped
};

using CreateMultiProgressFn = std::function<void(const CreateMultiProgress&)>;
// Makes the next puzzle line.
using PuzzleMaker = std::function<std::string()>;

// Fills the output file with the new puzzles of `runs` creations, each written once and
// only when neither the collection nor the run had it (letter case ignored). The output
// is written to a temporary file and put in place at the end; a collection that cannot be
// read counts as empty.
CreateMultiResult CreateMulti(const CreateMultiOptions& options, const PuzzleMaker& makePuzzle,
                              const CreateMultiProgressFn& progress = {});

// The same with the generator on the board as built for layout.NumHex. puzzle.Solution
// holds the last puzzle made afterwards.
CreateMultiResult CreateMulti(const CreateMultiOptions& options, BoardLayout& layout,
                              PuzzleState& puzzle, DigitPerm& perm, RandomSource& random,
                              const CreateMultiProgressFn& progress = {},
                              const AttemptHook& perAttempt = {});

}  // namespace lumeta
