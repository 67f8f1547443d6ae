#pragma once

#include <string>

#include "board/board_layout.h"
#include "board/puzzle_state.h"
#include "generator/player_model.h"
#include "generator/puzzle_generator.h"
#include "generator/puzzle_solver.h"
#include "generator/random_source.h"

namespace lumeta {

// Makes puzzles of one grade on the board as built. Easy, Medium and Hard puzzles are
// fresh puzzles of that grade, with every outer side shown. An Expert puzzle starts from
// a fresh one and hides its outer clues one by one, in random order, as long as the
// clues left have one solution (by the exhaustive count) and a player can still reach it;
// it is kept when it then needs reasoning over candidates. On boards of more than seven
// hexagons every puzzle shows a few inner compartments besides, in its view field.
class GradedCreator {
  public:
    explicit GradedCreator(const BoardLayout& layout);

    // The new puzzle's line: the solution, and its view field after a blank for Expert and
    // on the larger boards.
    // puzzle.Solution holds the solution afterwards.
    std::string Create(Grade grade, PuzzleState& puzzle, DigitPerm& perm, RandomSource& random,
                       const AttemptHook& perAttempt = {});

  private:
    bool HideClues(std::string& view, RandomSource& random);

    const BoardLayout& layout_;
    PuzzleGrader grader_;
    SolutionCounter counter_;
};

}  // namespace lumeta
