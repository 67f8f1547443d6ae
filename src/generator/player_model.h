#pragma once

#include <array>
#include <string>
#include <string_view>

#include "board/board_layout.h"
#include "generator/digit_set.h"
#include "generator/indexed_board.h"

namespace lumeta {

// How hard a puzzle is for a player, from the moves a person makes on it.
enum class Grade { Easy, Medium, Hard, Expert };

const char* GradeName(Grade grade);  // "Easy", ...
// Reads a grade name, letter case ignored; false for anything else.
bool ParseGrade(std::string_view text, Grade& grade);

// The kinds of move, easiest first.
enum class MoveKind {
    Single,       // one digit left for a compartment, or one place left for a digit in a
                  // hexagon, from its hexagon and the digit of its touching side
    CrossSingle,  // the same, counting also the digits the touching hexagon already holds
    Pair,         // two compartments of a hexagon own two digits between them
    Candidates,   // the candidates of touching compartments rule each other out
    Trial,        // of a compartment's two candidates, one leads to a contradiction
};

// What solving a puzzle took.
struct SolveStats {
    bool solved = false;
    int rounds = 0;          // rounds of single moves: the length of the chain
    int placed = 0;          // compartments filled by the model
    int onlyOneLeft = 0;     // rounds in which exactly one compartment could be filled
    int crossRounds = 0;     // rounds that needed the touching hexagons' digits
    int pairSteps = 0;       // times a pair had to be found to go on
    int candidateSteps = 0;  // times candidates over touching sides had to be worked out
    int trialSteps = 0;      // times a candidate had to be tried to rule it out
};

// A player's view of the board: the digit of each known cell, 0 where it is open.
using KnownDigits = std::array<int, kCellIndexMax>;

// A player who fills in only what the shown digits force, trying the easiest kind of
// move first. Works on cell indices; the tables come from the board as built.
//
// On boards larger than seven hexagons the player also tries a candidate when nothing
// else helps: of a compartment's two candidates, the one that leads to a contradiction
// by the other moves is ruled out. The seven-hexagon puzzles never need it, and their
// grades stay as the four kinds of move give them.
class PlayerModel {
  public:
    explicit PlayerModel(const IndexedBoard& board) : board_(board), trials_(board.hexTotal > 7) {}

    // Solves from `known` as far as the moves go; `known` holds the result.
    SolveStats Solve(KnownDigits& known);

    // One cell the easiest kind of move decides from `known`, if any: its index, digit and
    // the kind of move needed first. index is -1 when no move decides a cell.
    struct Step {
        int index = -1;
        int digit = 0;
        MoveKind kind = MoveKind::Single;
        bool onlyPlace = false;  // the digit has one place in the hexagon left
    };
    Step NextStep(const KnownDigits& known);

    // The candidates of an open cell from its hexagon and its touching side's digit.
    DigitSet BasicCandidates(const KnownDigits& known, int index) const;
    // The same, less the partners of the digits the touching hexagon already holds.
    DigitSet CrossCandidates(const KnownDigits& known, int index) const;

  private:
    enum class Outcome { Solved, Stuck, Contradiction };
    // The moves from the state Start left, as far as they go. Within a trial the model
    // looks out for contradictions and tries nothing further.
    Outcome Run(KnownDigits& known, SolveStats& stats, bool trials);
    bool Contradicts(const KnownDigits& known) const;
    bool ApplyTrial(const KnownDigits& known);
    void Start(const KnownDigits& known);
    void Refresh(const KnownDigits& known);
    // The singles of this state: count, and the first one found.
    int FindSingles(const std::array<DigitSet, kCellIndexMax>& cand, const KnownDigits& known,
                    Step& first, std::array<int, kCellIndexMax>* digits) const;
    // The easiest singles of this state and the kind of move they need.
    int FindEasiest(const KnownDigits& known, Step& first, std::array<int, kCellIndexMax>* digits);
    bool ApplyPairs();
    bool ApplyCandidates(const KnownDigits& known);

    const IndexedBoard& board_;
    bool trials_;
    bool inTrial_ = false;
    std::array<DigitSet, kCellIndexMax> cand_{};   // pencil marks kept from move to move
    std::array<DigitSet, kCellIndexMax> basic_{};  // this round's basic candidates
    std::array<DigitSet, kHexMax + 1> placed_{};   // digits known per hexagon, 1-based
};

// The grade of a solve on a board of that many hexagons: Expert only for a puzzle that
// hides outer clues. Larger boards need longer chains for the same grade.
Grade GradeOf(const SolveStats& stats, bool hidesOuterClue, int hexagons = 7);

// Grades puzzle lines (with or without a view field) on one board.
class PuzzleGrader {
  public:
    explicit PuzzleGrader(const BoardLayout& layout);

    // False for a line that is no valid solution, whose view field cannot be used, or
    // that the model's moves do not solve: such a line gets no grade.
    bool GradeLine(std::string_view line, Grade& grade, SolveStats* stats = nullptr);

    const IndexedBoard& board() const { return board_; }

  private:
    IndexedBoard board_;
    PlayerModel model_;
};

}  // namespace lumeta
