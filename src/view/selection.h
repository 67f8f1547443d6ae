#pragma once

namespace lumeta {

// The cell the player types into: always a board cell that is not given. CurRow = 0 means
// no cell is selected (only CurRow is tested for that).
struct Selection {
    int CurRow = 0;
    int CurCol = 0;

    bool HasCell() const { return CurRow != 0; }
    void Clear() { CurRow = CurCol = 0; }
};

}  // namespace lumeta
