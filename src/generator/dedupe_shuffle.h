#pragma once

#include <functional>
#include <string>

#include "generator/random_source.h"

namespace lumeta {

// The shuffled copy's name: the source path up to the last "." of its file name, then
// "-noduprandom.txt" (a name without "." gets it appended whole).
std::string NoDupRandomName(const std::string& source);

struct RandomizeResult {
    bool ok = false;
    std::string output;   // path of the shuffled copy
    long long read = 0;   // lines read
    long long kept = 0;   // distinct lines
    long long keyed = 0;  // lines given a random key
    std::string message;  // "<output> randomized", or why nothing was written
};

// Receives the progress texts: "source 5 3 2", "no dup 3", "random 3".
using TitleFn = std::function<void(const std::string& title)>;

// Writes every distinct line of the source once (letter case ignored, the first spelling
// kept) in random order: each line gets a random key 1..99997 and the lines are ordered
// by key and, for equal keys, by the line. The keys are not written.
RandomizeResult RandomizePuzzleFile(const std::string& source, RandomSource& random,
                                    const TitleFn& title = {});

}  // namespace lumeta
