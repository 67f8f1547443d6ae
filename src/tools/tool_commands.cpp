#include "tools/tool_commands.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>

#include "board/puzzle_state.h"
#include "generator/board_sizes.h"
#include "generator/text_lines.h"
#include "puzzlefiles/line_scanner.h"
#include "puzzlefiles/puzzle_loader.h"
#include "tools/generator_commands.h"
#include "tools/grade_commands.h"
#include "tools/terminal_text.h"
#include "tools/text_board.h"

namespace lumeta {

namespace {

const char* kProgram = "lumeta-tools";

void PrintCommandHelp(const ToolCommand& command, std::ostream& out) {
    out << "Usage: " << kProgram << " " << command.usage << "\n\n"
        << command.summary << "\n"
        << command.help;
}

void PrintProgramHelp(std::ostream& out) {
    out << "Usage: " << kProgram << " COMMAND [ARGUMENTS]\n\n"
        << "Works on Lumeta puzzle files: plain text, one puzzle per line, 42 digits 1..6\n"
        << "per line for the 7-hexagon board; 60, 84 or 114 for the boards of 10, 14 and 19\n"
        << "hexagons, which show some inner cells too: after a blank, the digits shown and\n"
        << "\".\" for the cells to fill. One file may mix sizes.\n\nCommands:\n";
    for (const ToolCommand& command : ToolCommands())
        out << "  " << command.usage << "\n      " << command.summary << "\n";
    out << "\n"
        << kProgram << " COMMAND --help explains one command; " << kProgram
        << " --version prints the version.\n";
}

}  // namespace

const std::vector<ToolCommand>& ToolCommands() {
    static const std::vector<ToolCommand> commands = {
        {"count", "count FILE", "Prints the number of puzzles (lines) in FILE.", "", RunCount},
        {"show", "show FILE N [--solution]",
         "Draws puzzle N of FILE (-1 for the last) with its clues.",
         "\nOpen cells stay blank; --solution fills in every digit.\n", RunShow},
        {"create", "create [N] [--hexagons H] [--out FILE] [--seed S] [--jobs J]",
         "Makes N new distinct puzzles (default 1), one line each.",
         "\nEvery puzzle has exactly one solution, found from its clues by deduction alone.\n"
         "The lines go to standard output, or replace FILE with --out (a device or a pipe,\n"
         "such as /dev/stdout, is written into). --seed S makes the run reproducible;\n"
         "without it the clock seeds it.\n"
         "--hexagons H picks the board: 7 (the default), 10, 14 or 19. The larger boards\n"
         "show a few inner cells besides the outer sides, in a view field after a blank.\n"
         "--jobs J makes a run on the clock on J threads (default: every processor); a\n"
         "seeded run is one stream and gives the same lines whatever J is.\n",
         RunCreate},
        {"create-multi",
         "create-multi [--existing FILE] [--out FILE] [--count N] [--hexagons H] [--seed S] "
         "[--jobs J]",
         "Makes N puzzles and keeps those new to an existing collection.",
         "\nDefaults: --existing puzmulti20sepd.txt, --out puzmulti21sepA.txt, --count 32000.\n"
         "A puzzle already in the collection or made earlier in the run counts as a repeat\n"
         "(letter case ignored); the new ones replace the output file, which appears only\n"
         "when the run completes. A missing collection counts as empty. On a terminal a\n"
         "progress bar shows the run, new and repeat counts and the time left.\n"
         "--hexagons, --seed and --jobs work as they do for create.\n",
         RunCreateMulti},
        {"randomize", "randomize FILE [--seed S]",
         "Writes each distinct line of FILE once, in random order.",
         "\nThe copy lies beside FILE, named after it up to its last \".\" with\n"
         "\"-noduprandom.txt\" (puzzles.txt gives puzzles-noduprandom.txt). Lines that\n"
         "differ only in letter case count as one.\n",
         RunRandomize},
        {"check", "check FILE", "Checks every puzzle of FILE and proves each one unique.",
         "\nA line must hold 42 digits 1..6 (60, 84 or 114 on the larger boards), every\n"
         "hexagon 1..6 once each and every touching pair adding up to 7; an exhaustive\n"
         "search on the line's own board then counts the solutions of its clues. Prints \"N lines, "
         "V valid, U unique, D distinct\" and exits non-zero\n"
         "when a line is invalid or not unique, naming the first such lines.\n",
         RunCheck},
        {"grade", "grade FILE [--lines] [--stats]",
         "Counts the puzzles of FILE per grade: Easy, Medium, Hard, Expert.",
         "\nThe grade comes from the moves a player needs: --lines prints each line's number\n"
         "and grade, --stats adds the rounds of moves, the rounds with one move left and\n"
         "how often pairs and candidates were needed (and on the larger boards how often a\n"
         "candidate had to be tried). Exits non-zero when a line is no valid puzzle.\n",
         RunGrade},
    };
    return commands;
}

bool ParseWholeNumber(const std::string& text, long long& value) {
    if (text.empty() || text.size() > 18) return false;
    std::size_t start = text[0] == '-' || text[0] == '+' ? 1 : 0;
    if (start == text.size()) return false;
    for (std::size_t i = start; i < text.size(); ++i)
        if (text[i] < '0' || text[i] > '9') return false;
    value = std::strtoll(text.c_str(), nullptr, 10);
    return true;
}

bool WantsHelp(const ToolArgs& args) {
    for (const std::string& arg : args)
        if (arg == "--help" || arg == "-h") return true;
    return false;
}

int UsageError(std::ostream& err, const char* commandName, const std::string& problem) {
    err << kProgram << " " << commandName << ": " << OneLine(problem) << "\n"
        << "Try '" << kProgram << " " << commandName << " --help'.\n";
    return 2;
}

int RunCount(const ToolArgs& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) return UsageError(err, "count", "expects exactly one FILE");
    const std::string& path = args[0];
    const LineScan scan = ScanLines(path);
    if (!scan.readable) {
        err << kProgram << " count: " << OneLine(ReadProblem(path)) << "\n";
        return 1;
    }
    if (scan.lines > 0 && PuzzleCountOf(scan.lines) == 0) {
        err << kProgram << " count: " << OneLine(path) << " has " << scan.lines
            << " lines, more than the 2147483647 puzzles a file may hold\n";
        return 1;
    }
    out << scan.lines << "\n";
    return 0;
}

int RunShow(const ToolArgs& args, std::ostream& out, std::ostream& err) {
    std::vector<std::string> positional;
    bool solution = false;
    for (const std::string& arg : args) {
        if (arg == "--solution")
            solution = true;
        else if (arg.size() > 2 && arg.rfind("--", 0) == 0)
            return UsageError(err, "show", "unknown option " + arg);
        else
            positional.push_back(arg);
    }
    if (positional.size() != 2) return UsageError(err, "show", "expects FILE and N");
    long long number = 0;
    if (!ParseWholeNumber(positional[1], number) || (number < 1 && number != -1))
        return UsageError(err, "show", "N must be a puzzle number from 1, or -1 for the last");

    const std::string& path = positional[0];
    // The count and the line in one pass over the file, kept long enough for any board.
    const std::size_t boardCells = static_cast<std::size_t>(6) * 19;
    const LineScan scan = CountAndKeepLine(path, number, PuzzleLineKeepChars(boardCells));
    const int count = scan.readable ? PuzzleCountOf(scan.lines) : 0;
    if (count == 0) {
        if (!scan.readable)
            err << kProgram << " show: " << OneLine(ReadProblem(path)) << "\n";
        else if (scan.lines > 0)
            err << kProgram << " show: " << OneLine(path) << " has " << scan.lines
                << " lines, more than the 2147483647 puzzles a file may hold\n";
        else
            err << kProgram << " show: " << OneLine(path)
                << " does not appear to have any puzzles\n";
        return 1;
    }
    if (!scan.found || number > count) {
        err << kProgram << " show: " << OneLine(path) << " has " << count
            << (count == 1 ? " puzzle" : " puzzles") << "; there is no puzzle " << number << "\n";
        return 1;
    }
    const int n = number == -1 ? count : static_cast<int>(number);
    BoardLayout layout;
    PuzzleState puzzle;
    layout.NumHex = BoardHexagonsForLine(scan.text);
    if (layout.NumHex == 0) {
        err << kProgram << " show: puzzle " << n << " " << NoBoardProblem(scan.text) << "\n";
        return 1;
    }
    BuildBoard(layout, puzzle);
    const std::string viewProblem = PlacePuzzleLine(layout, puzzle, scan.text);
    if (!viewProblem.empty())
        err << kProgram << " show: puzzle " << n << ": " << viewProblem
            << "; the outer sides are shown\n";
    // A line of a binary file must not reach the terminal as control characters.
    std::string board = TextBoard(layout, puzzle, solution);
    for (char& c : board)
        if (c != '\n' && (c < ' ' || c > '~')) c = '?';
    out << PuzzleLabelText(n, count) << "  " << OneLine(FileLabelText(path)) << "\n\n" << board;
    return 0;
}

namespace {

int RunCommand(const ToolArgs& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        PrintProgramHelp(err);
        return 2;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintProgramHelp(out);
        return 0;
    }
    if (args[0] == "--version") {
        out << kProgram << " " << LUMETA_VERSION << "\n";
        return 0;
    }
    for (const ToolCommand& command : ToolCommands()) {
        if (args[0] != command.name) continue;
        const ToolArgs rest(args.begin() + 1, args.end());
        if (WantsHelp(rest)) {
            PrintCommandHelp(command, out);
            return 0;
        }
        try {
            return command.run(rest, out, err);
        } catch (const std::exception& e) {
            err << kProgram << " " << command.name << ": " << OneLine(e.what()) << "\n";
            return 1;
        }
    }
    err << kProgram << ": unknown command '" << OneLine(args[0]) << "'\nTry '" << kProgram
        << " --help'.\n";
    return 2;
}

}  // namespace

int RunTool(const ToolArgs& args, std::ostream& out, std::ostream& err) {
    // File names come from the user and from folders: nothing a terminal obeys gets out.
    TerminalSafeOutput safeOut(out.rdbuf()), safeErr(err.rdbuf());
    std::ostream maskedOut(&safeOut), maskedErr(&safeErr);
    const int status = RunCommand(args, maskedOut, maskedErr);
    if (!safeOut.Finish()) out.setstate(std::ios::badbit);
    if (!safeErr.Finish()) err.setstate(std::ios::badbit);
    return status;
}

}  // namespace lumeta
