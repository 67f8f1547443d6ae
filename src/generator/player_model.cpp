#include "generator/player_model.h"

#include "board/puzzle_state.h"

namespace lumeta {

namespace {

constexpr std::array<const char*, 4> kGradeNames = {"Easy", "Medium", "Hard", "Expert"};

// Where the grades part, per board size. Fresh seven-hexagon puzzles all solve by singles.
// Measured on 10,000 of them: about a seventh need only one round of looking across to the
// touching hexagons (Easy); about a third need three such rounds or a chain of six rounds
// or more (Hard). The larger boards need longer chains; their bounds give about the same
// shares, measured on 1,500 puzzles of each size.
struct GradeBounds {
    int hexagons;
    int easyCrossRoundsMax, easyRoundsMax;
    int hardCrossRounds, hardRounds;
};
constexpr std::array<GradeBounds, 4> kGradeBounds = {{
    {7, 1, 5, 3, 6},
    {10, 2, 6, 4, 9},
    {14, 3, 9, 6, 14},
    {19, 4, 14, 8, 22},
}};

int HexOf(int index) {
    return index / 6 + 1;
}

}  // namespace

const char* GradeName(Grade grade) {
    return kGradeNames[static_cast<std::size_t>(grade)];
}

bool ParseGrade(std::string_view text, Grade& grade) {
    for (std::size_t g = 0; g < kGradeNames.size(); ++g) {
        const std::string_view name = kGradeNames[g];
        if (name.size() != text.size()) continue;
        bool same = true;
        for (std::size_t k = 0; k < name.size() && same; ++k)
            same = (text[k] | 0x20) == (name[k] | 0x20);
        if (same) {
            grade = static_cast<Grade>(g);
            return true;
        }
    }
    return false;
}

DigitSet PlayerModel::BasicCandidates(const KnownDigits& known, int index) const {
    DigitSet set = RemoveDigits(kAllDigits, placed_[HexOf(index)]);
    const int t = board_.touch[index];
    if (t >= 0 && known[t] != 0) set &= DigitBit(7 - known[t]);
    return set;
}

DigitSet PlayerModel::CrossCandidates(const KnownDigits& known, int index) const {
    const DigitSet set = BasicCandidates(known, index);
    const int t = board_.touch[index];
    if (t < 0 || known[t] != 0) return set;
    // The touching cell holds a digit its own hexagon still lacks.
    return set & ComplementDigits(RemoveDigits(kAllDigits, placed_[HexOf(t)]));
}

void PlayerModel::Start(const KnownDigits& known) {
    placed_.fill(0);
    for (int i = 0; i < board_.cellCount; ++i)
        if (known[i] != 0) placed_[HexOf(i)] |= DigitBit(known[i]);
    for (int i = 0; i < board_.cellCount; ++i)
        cand_[i] = known[i] != 0 ? DigitBit(known[i]) : kAllDigits;
}

// Pencil marks only ever shrink: what a cell's surroundings show now is struck from them.
void PlayerModel::Refresh(const KnownDigits& known) {
    for (int i = 0; i < board_.cellCount; ++i) {
        if (known[i] != 0) continue;
        basic_[i] = BasicCandidates(known, i);
        cand_[i] &= CrossCandidates(known, i);
    }
}

int PlayerModel::FindSingles(const std::array<DigitSet, kCellIndexMax>& cand,
                             const KnownDigits& known, Step& first,
                             std::array<int, kCellIndexMax>* digits) const {
    int found = 0;
    const auto take = [&](int index, int digit, bool onlyPlace) {
        if (digits) {
            if ((*digits)[index] != 0) return;
            (*digits)[index] = digit;
        }
        if (found++ == 0) first = {index, digit, MoveKind::Single, onlyPlace};
    };
    for (int h = 1; h <= board_.hexTotal; ++h) {
        const int base = (h - 1) * 6;
        for (int k = 0; k < 6; ++k)
            if (known[base + k] == 0 && IsSingleDigit(cand[base + k]))
                take(base + k, SingleDigit(cand[base + k]), false);
        const DigitSet missing = RemoveDigits(kAllDigits, placed_[h]);
        for (int d = 1; d <= 6; ++d) {
            if (!(missing & DigitBit(d))) continue;
            int place = -1, places = 0;
            for (int k = 0; k < 6; ++k) {
                if (known[base + k] == 0 && (cand[base + k] & DigitBit(d))) {
                    place = base + k;
                    ++places;
                }
            }
            if (places == 1) take(place, d, true);
        }
    }
    return found;
}

int PlayerModel::FindEasiest(const KnownDigits& known, Step& first,
                             std::array<int, kCellIndexMax>* digits) {
    Refresh(known);
    int found = FindSingles(basic_, known, first, digits);
    if (found > 0) return found;
    found = FindSingles(cand_, known, first, digits);
    first.kind = MoveKind::CrossSingle;
    return found;
}

bool PlayerModel::ApplyPairs() {
    bool changed = false;
    for (int h = 1; h <= board_.hexTotal; ++h) {
        const int base = (h - 1) * 6;
        for (int a = 0; a < 6; ++a) {
            const DigitSet pair = cand_[base + a];
            if (DigitCount(pair) != 2) continue;
            for (int b = a + 1; b < 6; ++b) {
                if (cand_[base + b] != pair) continue;
                for (int k = 0; k < 6; ++k) {
                    if (k == a || k == b || IsSingleDigit(cand_[base + k])) continue;
                    const DigitSet less = RemoveDigits(cand_[base + k], pair);
                    if (less != cand_[base + k]) {
                        cand_[base + k] = less;
                        changed = true;
                    }
                }
            }
        }
    }
    return changed;
}

bool PlayerModel::ApplyCandidates(const KnownDigits& known) {
    bool changed = false;
    for (int i = 0; i < board_.cellCount; ++i) {
        const int t = board_.touch[i];
        if (known[i] != 0 || t < 0) continue;
        const DigitSet less = cand_[i] & ComplementDigits(cand_[t]);
        if (less != cand_[i]) {
            cand_[i] = less;
            changed = true;
        }
    }
    return changed;
}

PlayerModel::Outcome PlayerModel::Run(KnownDigits& known, SolveStats& stats, bool trials) {
    std::array<int, kCellIndexMax> found{};
    int open = 0;
    for (int i = 0; i < board_.cellCount; ++i)
        open += known[i] == 0;
    while (open > 0) {
        Step first;
        found.fill(0);
        const int singles = FindEasiest(known, first, &found);
        if (inTrial_ && Contradicts(known)) return Outcome::Contradiction;
        if (singles > 0) {
            ++stats.rounds;
            if (singles == 1) ++stats.onlyOneLeft;
            if (first.kind == MoveKind::CrossSingle) ++stats.crossRounds;
            for (int i = 0; i < board_.cellCount; ++i) {
                if (found[i] == 0) continue;
                if (placed_[HexOf(i)] & DigitBit(found[i])) return Outcome::Contradiction;
                const int t = board_.touch[i];
                if (t >= 0 && known[t] != 0 && known[t] + found[i] != 7)
                    return Outcome::Contradiction;
                known[i] = found[i];
                cand_[i] = DigitBit(found[i]);
                placed_[HexOf(i)] |= DigitBit(found[i]);
                ++stats.placed;
                --open;
            }
            continue;
        }
        if (ApplyPairs()) {
            ++stats.pairSteps;
            continue;
        }
        if (ApplyCandidates(known)) {
            ++stats.candidateSteps;
            continue;
        }
        if (trials && ApplyTrial(known)) {
            ++stats.trialSteps;
            continue;
        }
        return Outcome::Stuck;
    }
    return Outcome::Solved;
}

// An open compartment without a candidate, or a digit a hexagon lacks with no place left.
bool PlayerModel::Contradicts(const KnownDigits& known) const {
    for (int h = 1; h <= board_.hexTotal; ++h) {
        const int base = (h - 1) * 6;
        DigitSet room = placed_[h];
        for (int k = 0; k < 6; ++k) {
            if (known[base + k] != 0) continue;
            if (cand_[base + k] == 0) return true;
            room |= cand_[base + k];
        }
        if (room != kAllDigits) return true;
    }
    return false;
}

// The first compartment of two candidates where one of them, tried, meets a contradiction:
// that candidate is struck. The try runs on a copy and changes nothing else.
bool PlayerModel::ApplyTrial(const KnownDigits& known) {
    for (int i = 0; i < board_.cellCount; ++i) {
        if (known[i] != 0 || DigitCount(cand_[i]) != 2) continue;
        for (DigitSet rest = cand_[i]; rest != 0; rest &= rest - 1) {
            const DigitSet bit = rest & static_cast<DigitSet>(-rest);
            PlayerModel trial(*this);
            trial.inTrial_ = true;
            KnownDigits guess = known;
            guess[i] = SingleDigit(bit);
            trial.cand_[i] = bit;
            trial.placed_[HexOf(i)] |= bit;
            SolveStats ignored;
            if (trial.Run(guess, ignored, false) == Outcome::Contradiction) {
                cand_[i] = RemoveDigits(cand_[i], bit);
                return true;
            }
        }
    }
    return false;
}

SolveStats PlayerModel::Solve(KnownDigits& known) {
    SolveStats stats;
    Start(known);
    stats.solved = Run(known, stats, trials_) == Outcome::Solved;
    return stats;
}

PlayerModel::Step PlayerModel::NextStep(const KnownDigits& known) {
    Start(known);
    bool pairs = false, candidates = false, tried = false;
    for (;;) {
        Step first;
        if (FindEasiest(known, first, nullptr) > 0) {
            if (pairs) first.kind = MoveKind::Pair;
            if (candidates) first.kind = MoveKind::Candidates;
            if (tried) first.kind = MoveKind::Trial;
            return first;
        }
        if (ApplyPairs()) {
            pairs = true;
            continue;
        }
        if (ApplyCandidates(known)) {
            candidates = true;
            continue;
        }
        if (trials_ && ApplyTrial(known)) {
            tried = true;
            continue;
        }
        return {};
    }
}

Grade GradeOf(const SolveStats& stats, bool hidesOuterClue, int hexagons) {
    GradeBounds bounds = kGradeBounds[0];
    for (const GradeBounds& size : kGradeBounds)
        if (size.hexagons == hexagons) bounds = size;
    const bool candidates = stats.pairSteps > 0 || stats.candidateSteps > 0 || stats.trialSteps > 0;
    if (hidesOuterClue && candidates) return Grade::Expert;
    if (candidates || stats.crossRounds >= bounds.hardCrossRounds ||
        stats.rounds >= bounds.hardRounds)
        return Grade::Hard;
    if (stats.crossRounds <= bounds.easyCrossRoundsMax && stats.rounds <= bounds.easyRoundsMax)
        return Grade::Easy;
    return Grade::Medium;
}

PuzzleGrader::PuzzleGrader(const BoardLayout& layout)
    : board_(IndexBoard(layout)), model_(board_) {}

bool PuzzleGrader::GradeLine(std::string_view line, Grade& grade, SolveStats* stats) {
    const std::size_t cells = static_cast<std::size_t>(board_.cellCount);
    const PuzzleLineFields fields = SplitPuzzleLine(line, cells);
    if (!fields.problem.empty() || fields.solution.size() != cells) return false;
    const bool hasView = !fields.view.empty();
    if (!hasView && line.size() != cells) return false;
    KnownDigits known{};
    bool hidesOuterClue = false;
    for (int i = 0; i < board_.cellCount; ++i) {
        const auto at = static_cast<std::size_t>(board_.linePos[i]);
        const char digit = fields.solution[at];
        if (digit < '1' || digit > '6') return false;
        const bool shown = hasView ? fields.view[at] != '.' : board_.given[i];
        if (board_.given[i] && !shown) hidesOuterClue = true;
        known[i] = shown ? digit - '0' : 0;
    }
    const SolveStats solve = model_.Solve(known);
    // A puzzle gets a grade when a player can solve it, reaching the line's own solution.
    if (!solve.solved) return false;
    for (int i = 0; i < board_.cellCount; ++i)
        if (known[i] != fields.solution[static_cast<std::size_t>(board_.linePos[i])] - '0')
            return false;
    grade = GradeOf(solve, hidesOuterClue, board_.hexTotal);
    if (stats) *stats = solve;
    return true;
}

}  // namespace lumeta
