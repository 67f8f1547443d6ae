#pragma once

#include <cstdint>
#include <string>

#include "app/app_folders.h"
#include "app/recent_files.h"
#include "board/board_layout.h"
#include "board/puzzle_state.h"
#include "board/undo_list.h"
#include "controls/colour_scheme.h"
#include "controls/colour_value.h"
#include "generator/puzzle_generator.h"
#include "puzzlefiles/current_puzzle.h"
#include "view/board_appearance.h"
#include "view/board_geometry.h"
#include "view/selection.h"

namespace lumeta {

// Everything the game window holds for the life of the program, as plain data. The
// window's commands read and write it; nothing here knows about widgets.
struct GameState {
    std::string AppTitle = "Lumeta";
    AppFolders folders;  // the program's folder and where its files lie
    int TwipsPerPixelX = 15;
    int TwipsPerPixelY = 15;

    BoardLayout layout;
    PuzzleState puzzle;
    CurrentPuzzle current;
    BoardGeometry geometry;
    Selection selection;
    UndoList undo;

    BoardAppearance appearance;
    ColourScheme scheme;
    std::uint32_t NearBlack = RGBValue(2, 2, 2);  // the message box's text colour
    DigitPerm perm;
    RecentFiles recent;
    RecentFiles recentSaved;  // as read or last saved: what tells another copy's additions
};

}  // namespace lumeta
