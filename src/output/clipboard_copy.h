#pragma once

#include <QByteArray>
#include <QImage>

#include "output/puzzle_page.h"

namespace lumeta {

// The puzzle block as the clipboard takes it: drawn black on white with its header, at
// full printed size, on a picture trimmed to the board.
struct BoardPictures {
    QImage image;    // at the screen's twips per pixel
    QByteArray svg;  // the same drawing as vector graphics
};
BoardPictures PuzzlePictures(PuzzleSheet& sheet, int twipsPerPixelX, int twipsPerPixelY);

// "Copy to Clipboard" › "Puzzle": the given digits only.
void CopyBoardToClipboard(PuzzleSheet& sheet, int twipsPerPixelX, int twipsPerPixelY);
// "Copy to Clipboard" › "Solution": every digit, as if every cell were shown.
void CopySolutionToClipboard(PuzzleSheet& sheet, int twipsPerPixelX, int twipsPerPixelY);

}  // namespace lumeta
