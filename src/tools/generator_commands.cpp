#include "tools/generator_commands.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "board/board_layout.h"
#include "board/puzzle_state.h"
#include "generator/batch_create.h"
#include "generator/dedupe_shuffle.h"
#include "generator/graded_create.h"
#include "generator/line_set.h"
#include "generator/puzzle_check.h"
#include "generator/puzzle_generator.h"
#include "generator/random_source.h"
#include "generator/text_lines.h"
#include "tools/grade_commands.h"
#include "tools/parallel_lines.h"
#include "tools/terminal_text.h"

namespace lumeta {

namespace {

const char* kProgram = "lumeta-tools";

// Options of the form "--name VALUE" and plain arguments, in any order.
struct ParsedArgs {
    std::vector<std::string> positional;
    std::vector<std::pair<std::string, std::string>> options;
    std::string problem;  // empty when the arguments could be read
};

ParsedArgs ParseArgs(const ToolArgs& args, const std::vector<std::string>& optionNames) {
    ParsedArgs parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() < 2 || arg.rfind("--", 0) != 0) {
            parsed.positional.push_back(arg);
            continue;
        }
        bool known = false;
        for (const std::string& name : optionNames)
            known = known || arg == name;
        if (!known) {
            parsed.problem = "unknown option " + arg;
            return parsed;
        }
        if (i + 1 >= args.size()) {
            parsed.problem = arg + " needs a value";
            return parsed;
        }
        for (const auto& [name, value] : parsed.options) {
            if (name == arg) {
                parsed.problem = arg + " given twice";
                return parsed;
            }
        }
        parsed.options.emplace_back(arg, args[++i]);
    }
    return parsed;
}

std::optional<std::string> OptionValue(const ParsedArgs& parsed, const std::string& name) {
    for (const auto& [option, value] : parsed.options)
        if (option == name) return value;
    return std::nullopt;
}

// A whole number in [low, high], or a usage problem.
bool ReadCount(const std::string& text, long long low, long long high, long long& value) {
    return ParseWholeNumber(text, value) && value >= low && value <= high;
}

// The random source: reproducible with --seed, else from the clock.
bool MakeRandomSource(const ParsedArgs& parsed, std::optional<RandomSource>& random) {
    const std::optional<std::string> seed = OptionValue(parsed, "--seed");
    if (!seed) {
        random = RandomSource::FromClock();
        return true;
    }
    long long value = 0;
    if (!ReadCount(*seed, 0, 999999999999999999LL, value)) return false;
    random = RandomSource::Fixed(static_cast<std::uint64_t>(value));
    return true;
}

// Progress on the terminal only: never in a pipe, a file or a test's stream. The bar is
// drawn on std::cerr itself, since its carriage returns are what the masking of err
// stops.
bool ShowsProgress(const std::ostream& err) {
    return TerminalSafeOutput::WritesInto(err, std::cerr.rdbuf()) && isatty(STDERR_FILENO);
}

std::string Seconds(double seconds) {
    const long long whole = static_cast<long long>(seconds + 0.5);
    if (whole < 60) return std::to_string(whole) + " s";
    return std::to_string(whole / 60) + " min " + std::to_string(whole % 60) + " s";
}

// One stream of new puzzle lines: a board of its own, the generator (or the graded
// creator) and a random source.
class LineMaker {
  public:
    LineMaker(int hexagons, std::optional<Grade> grade, const RandomSource& random)
        : random_(random), grade_(grade) {
        layout_.NumHex = hexagons;
        BuildBoard(layout_, puzzle_);
        if (grade_) graded_.emplace(layout_);
    }
    LineMaker(const LineMaker&) = delete;
    LineMaker& operator=(const LineMaker&) = delete;

    std::string Make() {
        if (graded_) return graded_->Create(*grade_, puzzle_, perm_, random_);
        CreatePuzzle(layout_, puzzle_, perm_, random_);
        return PuzzleLineWithView(layout_, puzzle_);
    }

  private:
    BoardLayout layout_;  // stays put: the graded creator keeps a reference
    PuzzleState puzzle_;
    DigitPerm perm_;
    RandomSource random_;
    std::optional<Grade> grade_;
    std::optional<GradedCreator> graded_;
};

// The options the create commands share.
struct MakeOptions {
    int hexagons = 7;
    int jobs = 1;
    std::optional<Grade> grade;
    std::optional<RandomSource> random;  // set by --seed; else each job reads the clock
};

// Reads --hexagons, --grade, --jobs and --seed; false after a usage message.
bool ReadMakeOptions(const ParsedArgs& parsed, const char* command, std::ostream& err,
                     MakeOptions& options, int& status) {
    const auto fail = [&](const std::string& problem) {
        status = UsageError(err, command, problem);
        return false;
    };
    if (!ReadGradeOption(OptionValue(parsed, "--grade"), options.grade)) return fail(kGradeProblem);
    long long value = 0;
    if (auto hexagons = OptionValue(parsed, "--hexagons")) {
        if (!ParseWholeNumber(*hexagons, value) || !IsKnownHexCount(static_cast<int>(value)) ||
            value != static_cast<int>(value))
            return fail("--hexagons must be 7, 10, 14 or 19");
        options.hexagons = static_cast<int>(value);
    }
    options.jobs = AvailableJobs();
    if (auto jobs = OptionValue(parsed, "--jobs")) {
        if (!ReadCount(*jobs, 1, 1024, value))
            return fail("--jobs must be a whole number from 1 to 1024");
        options.jobs = static_cast<int>(value);
    }
    if (OptionValue(parsed, "--seed") && !MakeRandomSource(parsed, options.random))
        return fail("--seed must be a whole number from 0");
    return true;
}

// The lines of a run. A seeded run is one stream, the same whatever --jobs says; a run on
// the clock makes its lines on --jobs threads.
class RunLines {
  public:
    explicit RunLines(const MakeOptions& options) {
        if (options.random || options.jobs == 1) {
            single_ = std::make_unique<LineMaker>(
                options.hexagons, options.grade,
                options.random ? *options.random : RandomSource::FromClock());
            return;
        }
        parallel_ = std::make_unique<ParallelLines>(options.jobs, [options] {
            auto maker = std::make_shared<LineMaker>(options.hexagons, options.grade,
                                                     RandomSource::FromClock());
            return [maker] { return maker->Make(); };
        });
    }
    std::string Next() { return single_ ? single_->Make() : parallel_->Next(); }

  private:
    std::unique_ptr<LineMaker> single_;
    std::unique_ptr<ParallelLines> parallel_;
};

}  // namespace

int RunCreate(const ToolArgs& args, std::ostream& out, std::ostream& err) {
    const ParsedArgs parsed =
        ParseArgs(args, {"--out", "--seed", "--grade", "--hexagons", "--jobs"});
    if (!parsed.problem.empty()) return UsageError(err, "create", parsed.problem);
    MakeOptions options;
    int status = 0;
    if (!ReadMakeOptions(parsed, "create", err, options, status)) return status;
    if (parsed.positional.size() > 1) return UsageError(err, "create", "expects at most one N");
    long long wanted = 1;
    if (!parsed.positional.empty() && !ReadCount(parsed.positional[0], 1, 100000000, wanted))
        return UsageError(err, "create", "N must be a whole number from 1 to 100000000");

    const std::optional<std::string> outPath = OptionValue(parsed, "--out");
    ReplacingFile file;
    if (outPath && !file.Open(*outPath, ReplacingFile::Streams::WriteInto)) {
        err << kProgram << " create: " << OneLine(file.problem()) << "\n";
        return 1;
    }

    RunLines lines(options);
    DistinctLines made;
    made.Reserve(static_cast<std::size_t>(std::min(wanted, kRunsReservedAhead)));
    while (static_cast<long long>(made.size()) < wanted) {
        const std::string line = lines.Next();
        if (!made.Insert(line)) continue;  // a repeat: make another
        if (!outPath) {
            out << line << "\n";
            if (!out) return 1;  // the caller says why the output was cut
        } else if (!file.WriteLine(line)) {
            err << kProgram << " create: " << OneLine(file.problem()) << "\n";
            return 1;
        }
    }
    if (outPath && !file.Commit()) {
        err << kProgram << " create: " << OneLine(file.problem()) << "\n";
        return 1;
    }
    return 0;
}

int RunCreateMulti(const ToolArgs& args, std::ostream& out, std::ostream& err) {
    const ParsedArgs parsed = ParseArgs(
        args, {"--existing", "--out", "--count", "--seed", "--grade", "--hexagons", "--jobs"});
    if (!parsed.problem.empty()) return UsageError(err, "create-multi", parsed.problem);
    MakeOptions made;
    int status = 0;
    if (!ReadMakeOptions(parsed, "create-multi", err, made, status)) return status;
    if (!parsed.positional.empty())
        return UsageError(err, "create-multi", "unexpected argument " + parsed.positional[0]);
    CreateMultiOptions options;
    if (auto existing = OptionValue(parsed, "--existing")) options.existingFile = *existing;
    if (auto output = OptionValue(parsed, "--out")) options.outputFile = *output;
    if (auto count = OptionValue(parsed, "--count"))
        if (!ReadCount(*count, 1, 100000000, options.runs))
            return UsageError(err, "create-multi",
                              "--count must be a whole number from 1 to 100000000");
    if (SameFile(options.existingFile, options.outputFile)) {
        err << kProgram << " create-multi: the output " << OneLine(options.outputFile)
            << " is the collection " << OneLine(options.existingFile)
            << " itself; nothing was written\n";
        return 1;
    }

    const bool bar = ShowsProgress(err);
    const auto start = std::chrono::steady_clock::now();
    auto lastShown = start;
    const CreateMultiProgressFn progress = [&](const CreateMultiProgress& step) {
        const auto now = std::chrono::steady_clock::now();
        if (step.run != options.runs && now - lastShown < std::chrono::milliseconds(100)) return;
        lastShown = now;
        const double done = static_cast<double>(step.run) / static_cast<double>(options.runs);
        const double elapsed = std::chrono::duration<double>(now - start).count();
        const int width = 30;
        const int filled = static_cast<int>(done * width);
        std::cerr << "\r[" << std::string(filled, '#') << std::string(width - filled, '.')
                  << "] run " << step.run << "/" << options.runs << ", " << step.newPuzzles
                  << " new, " << step.repeats << " repeats, about "
                  << Seconds(elapsed / done - elapsed) << " left  " << std::flush;
    };

    const CreateMultiProgressFn shown = bar ? progress : CreateMultiProgressFn{};
    RunLines lines(made);
    const CreateMultiResult result = CreateMulti(
        options, [&] { return lines.Next(); }, shown);
    if (bar) std::cerr << "\n";
    if (!result.notice.empty())
        err << kProgram << " create-multi: " << OneLine(result.notice) << "\n";
    if (!result.completed) {
        err << kProgram << " create-multi: " << OneLine(result.message)
            << "; nothing was written\n";
        return 1;
    }
    out << result.runs << " runs against " << result.existingLines
        << " known puzzles: " << result.newPuzzles << " new, " << result.repeats
        << " repeats, written to " << OneLine(options.outputFile) << "\n";
    return 0;
}

int RunRandomize(const ToolArgs& args, std::ostream& out, std::ostream& err) {
    const ParsedArgs parsed = ParseArgs(args, {"--seed"});
    if (!parsed.problem.empty()) return UsageError(err, "randomize", parsed.problem);
    if (parsed.positional.size() != 1)
        return UsageError(err, "randomize", "expects exactly one FILE");
    std::optional<RandomSource> random;
    if (!MakeRandomSource(parsed, random))
        return UsageError(err, "randomize", "--seed must be a whole number from 0");
    const std::string& source = parsed.positional[0];
    if (SameFile(source, NoDupRandomName(source))) {
        err << kProgram << " randomize: the output " << OneLine(NoDupRandomName(source)) << " is "
            << OneLine(source) << " itself; nothing was written\n";
        return 1;
    }
    const RandomizeResult result = RandomizePuzzleFile(source, *random);
    if (!result.ok) {
        err << kProgram << " randomize: " << OneLine(result.message) << "\n";
        return 1;
    }
    out << OneLine(result.message) << "\n";
    return 0;
}

int RunCheck(const ToolArgs& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1 || (args[0].size() > 2 && args[0].rfind("--", 0) == 0))
        return UsageError(err, "check", "expects exactly one FILE");
    BoardLayout layout;
    PuzzleState puzzle;
    BuildBoard(layout, puzzle);
    const FileCheck check = CheckPuzzleFile(layout, args[0]);
    if (!check.readable) {
        err << kProgram << " check: " << OneLine(ReadProblem(args[0])) << "\n";
        return 1;
    }
    if (check.lines == 0) {
        err << kProgram << " check: " << OneLine(args[0])
            << " does not appear to have any puzzles\n";
        return 1;
    }
    out << check.Summary() << "\n" << GradeSummary(args[0]) << "\n";
    if (check.bad == 0) return 0;
    err << kProgram << " check: " << check.bad << (check.bad == 1 ? " bad line" : " bad lines")
        << "; the first:\n";
    for (const BadLine& bad : check.firstBad)
        err << "  line " << bad.number << ": " << bad.problem << "\n";
    return 1;
}

}  // namespace lumeta
