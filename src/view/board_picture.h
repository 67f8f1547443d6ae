#pragma once

#include <QImage>
#include <QRectF>
#include <QWidget>
#include <cstdint>
#include <vector>

#include "board/board_layout.h"
#include "board/puzzle_state.h"
#include "view/board_appearance.h"
#include "view/board_geometry.h"
#include "view/selection.h"

namespace lumeta {

// The board picture: keeps the last drawn board as an image and shows it until the next
// DrawBoard, however often the window is covered, uncovered or repainted. The selection
// marker lies on top of that image; it is never part of it.
class BoardPicture : public QWidget {
    Q_OBJECT

  public:
    // Room for the 7-hexagon board.
    static constexpr int kWidthTwips = PictureExtent{}.width;
    static constexpr int kHeightTwips = PictureExtent{}.height;

    explicit BoardPicture(QWidget* parent = nullptr);

    // The scale between the picture's twips and its pixels; the picture takes the size of
    // its extent (at first kWidthTwips × kHeightTwips) at that scale.
    void SetTwipsPerPixel(int twipsPerPixelX, int twipsPerPixelY);
    // The picture's size in twips, kept at the present scale.
    void SetExtent(PictureExtent extent);
    PictureExtent Extent() const { return extent_; }
    int TwipsPerPixelX() const { return twipsPerPixelX_; }
    int TwipsPerPixelY() const { return twipsPerPixelY_; }

    // Redraws the whole retained image from the board; the digits use the picture's font.
    void DrawBoard(const BoardLayout& layout, const PuzzleState& puzzle,
                   const BoardGeometry& geometry, const BoardAppearance& appearance,
                   int showSolution);

    // The picture's background: what it shows until a board is first drawn.
    void SetBackColour(std::uint32_t colour);

    // The retained image, at the device pixel ratio of the last drawing.
    const QImage& Image() const { return image_; }

    // The game the picture shows, for the screen reader's view of its compartments: the
    // window's own tables, read whenever asked.
    void SetModel(const BoardLayout* layout, const PuzzleState* puzzle,
                  const BoardGeometry* geometry, const Selection* selection);
    const BoardLayout* Layout() const { return layout_; }
    const PuzzleState* Puzzle() const { return puzzle_; }
    const BoardGeometry* Geometry() const { return geometry_; }
    // The selected compartment in reading order (hexagon 1 side 1 first); -1 for none.
    int SelectedIndex() const;
    // Tells a screen reader the selection moved.
    void AnnounceSelection();

    // The selection marker (a solid rectangle), placed by its top-left corner in twips.
    void SetMarkerSize(double widthTwips, double heightTwips);
    void SetMarkerColour(std::uint32_t colour);
    void MoveMarker(double leftTwips, double topTwips);
    void ShowMarker();
    void HideMarker();
    bool MarkerVisible() const { return markerVisible_; }
    QRectF MarkerRectTwips() const { return marker_; }
    std::uint32_t MarkerColour() const { return markerColour_; }
    // The marker's rectangle in the picture's pixels.
    QRect MarkerRectPixels() const;

  signals:
    // Pointer motion: button state (1 left, 2 right, 4 middle), shift state (1 shift,
    // 2 control, 4 alt) and the position in twips of the picture.
    void MouseMove(int button, int shift, double xTwips, double yTwips);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    // Makes the image match the widget's size and pixel ratio, keeping what it shows.
    void FitImage();
    QColor InitialBackground() const;
    // Tells a screen reader which compartments a drawing changed.
    void AnnounceChanges();
    // Gives the reader's focus to the selected compartment while the board has the focus.
    void AnnounceFocus();

    int twipsPerPixelX_ = 15;
    int twipsPerPixelY_ = 15;
    PictureExtent extent_;
    QImage image_;
    std::uint32_t backColour_ = BoardAppearance{}.BackColour;
    bool drawn_ = false;
    QRectF marker_;
    std::uint32_t markerColour_ = BoardAppearance{}.BorderColour;
    bool markerVisible_ = false;
    const BoardLayout* layout_ = nullptr;
    const PuzzleState* puzzle_ = nullptr;
    const BoardGeometry* geometry_ = nullptr;
    const Selection* selection_ = nullptr;
    std::vector<QString> announced_;  // each compartment's value as last told
    bool focusPending_ = false;       // focus came in; the selected cell is told soon
    int toldFocus_ = -1;              // the compartment the reader was last told has focus
};

// Drawing positions for the board as built, measured in the picture's current font at the
// picture's twips per pixel; also sizes the picture's marker.
void PrepareGeometry(BoardGeometry& geometry, const BoardLayout& layout, BoardPicture& picture);

}  // namespace lumeta
