#include "literal_generator.h"

#include <string>

#include "board/num_text.h"
#include "generator/digit_set.h"
#include "generator/generator_rules.h"

namespace lumeta::testing {

namespace {

struct Literal {
    const BoardLayout& layout;
    PuzzleState& puzzle;

    std::string& Text(int h, int s) {
        const int cell = layout.HexCell[h][s];
        return puzzle.Solution[layout.CellRow[cell]][layout.CellCol[cell]];
    }
    bool IsGiven(int h, int s) const {
        const int cell = layout.HexCell[h][s];
        return layout.Given[layout.CellRow[cell]][layout.CellCol[cell]] == 1;
    }
    std::string& TouchText(int h, int s) {
        const int cell = layout.TouchCell[h][s];
        return puzzle.Solution[layout.CellRow[cell]][layout.CellCol[cell]];
    }

    void ShuffleDigits(DigitPerm& perm, RandomSource& random) {
        for (int n = 6; n >= 1; --n) {
            random.Reseed(random.Timer());
            const double r = random.Next();
            int j = static_cast<int>(r * n) + 1;
            if (j > n) j = n;
            std::swap(perm.entry[j], perm.entry[n]);
        }
    }

    void StartAttempt(DigitPerm& perm, RandomSource& random) {
        for (int h = 1; h <= layout.HexTotal; ++h) {
            ShuffleDigits(perm, random);
            int k = 0;
            for (int s = 1; s <= 6; ++s)
                if (IsGiven(h, s)) Text(h, s) = NumText(perm.entry[++k]);
        }
        for (int h = 1; h <= layout.HexTotal; ++h) {
            std::string given;
            for (int s = 1; s <= 6; ++s)
                if (IsGiven(h, s)) given += Text(h, s);
            for (int s = 1; s <= 6; ++s)
                if (!IsGiven(h, s)) Text(h, s) = RemoveDigits("123456", given);
        }
    }

    void RemoveFixedDigits() {
        for (int h = 1; h <= layout.HexTotal; ++h) {
            const std::string f = FixedDigits(layout, puzzle, h);
            for (int s = 1; s <= 6; ++s) {
                std::string& text = Text(h, s);
                if (text.size() <= 1) continue;
                const std::string t = RemoveDigits(text, f);
                if (t.size() < text.size()) text = t;
            }
        }
    }

    int ApplyTouchRule() {
        RemoveFixedDigits();
        for (int h = 1; h <= layout.HexTotal; ++h) {
            const std::string f = FixedDigits(layout, puzzle, h);
            for (int s = 1; s <= 6; ++s) {
                if (Text(h, s).size() == 1) continue;
                const std::string a = TouchAllowed(layout, puzzle, h, s);
                if (a.empty()) continue;
                const std::string c = CommonDigits(a, Text(h, s));
                const std::string t = RemoveDigits(c, f);
                if (t.empty()) return -1;
                if (t.size() < Text(h, s).size()) Text(h, s) = t;
            }
        }
        return 0;
    }

    void ApplyPairRule() {
        RemoveFixedDigits();
        for (int h = 1; h <= layout.HexTotal; ++h) {
            int counter[66] = {};
            for (int s = 1; s <= 6; ++s)
                if (Text(h, s).size() == 2) ++counter[std::stoi(Text(h, s))];
            for (int key = 1; key <= 65; ++key) {
                if (counter[key] != 2) continue;
                const std::string p = NumText(key);
                for (int s = 1; s <= 6; ++s) {
                    std::string& text = Text(h, s);
                    if (text.size() <= 2) continue;
                    const std::string t = RemoveDigits(text, p);
                    if (t.size() < text.size()) text = t;
                }
            }
        }
    }

    void ApplyLoneDigitRule() {
        for (int h = 1; h <= layout.HexTotal; ++h) {
            int counter[7] = {};
            for (int s = 1; s <= 6; ++s)
                for (char c : Text(h, s))
                    ++counter[c - '0'];
            for (int d = 1; d <= 6; ++d) {
                if (counter[d] != 1) continue;
                for (int s = 1; s <= 6; ++s) {
                    std::string& text = Text(h, s);
                    if (text.find(static_cast<char>('0' + d)) != std::string::npos &&
                        text.size() > 1)
                        text = NumText(d);
                }
            }
        }
    }

    int CheckTouchSums() {
        for (int h = 1; h <= layout.HexTotal; ++h) {
            for (int s = 1; s <= 6; ++s) {
                if (layout.TouchCell[h][s] == 0) continue;
                const std::string& a = Text(h, s);
                const std::string& b = TouchText(h, s);
                if (a.size() == 1 && b.size() == 1 && (a[0] - '0') + (b[0] - '0') != 7) return -1;
            }
        }
        return 0;
    }

    int CheckBoardState() {
        for (int h = 1; h <= layout.HexTotal; ++h)
            for (int s = 1; s <= 6; ++s)
                if (Text(h, s).empty()) return -1;
        for (int h = 1; h <= layout.HexTotal; ++h) {
            std::string collected;
            for (int s = 1; s <= 6; ++s) {
                if (Text(h, s).size() != 1) continue;
                if (collected.find(Text(h, s)) != std::string::npos) return -1;
                collected += Text(h, s);
            }
        }
        const int verdict = CheckTouchSums();
        for (int h = 1; h <= layout.HexTotal; ++h)
            for (int s = 1; s <= 6; ++s)
                if (Text(h, s).size() > 1) return 1;
        return verdict;
    }

    int RunAttempt() {
        for (int cycle = 1; cycle <= layout.NumHex * 5; ++cycle) {
            if (ApplyTouchRule() == -1) return -1;
            ApplyPairRule();
            if (CheckBoardState() == -1) return -1;
            ApplyLoneDigitRule();
            const int verdict = CheckBoardState();
            if (verdict != 1) return verdict;
        }
        return -1;
    }
};

}  // namespace

int LiteralRunAttempt(const BoardLayout& layout, PuzzleState& puzzle) {
    return Literal{layout, puzzle}.RunAttempt();
}

long long LiteralCreatePuzzle(const BoardLayout& layout, PuzzleState& puzzle, DigitPerm& perm,
                              RandomSource& random) {
    Literal literal{layout, puzzle};
    for (long long attempts = 1;; ++attempts) {
        literal.StartAttempt(perm, random);
        if (literal.RunAttempt() == 0) return attempts;
    }
}

}  // namespace lumeta::testing
