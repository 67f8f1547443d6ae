#include "app/board_window.h"

#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <algorithm>
#include <cstring>

#include "app/form1_layout.h"
#include "app/game_state.h"
#include "view/board_picture.h"

namespace lumeta {

namespace {

// How a control follows a picture larger than the 7-hexagon board's.
struct ControlAnchor {
    const char* name;
    bool followsRight;   // moves with the picture's right edge
    bool widens;         // grows with the picture's width
    bool followsBottom;  // moves with the picture's bottom edge
};
constexpr std::array<ControlAnchor, 11> kAnchors = {{
    {"cmdload", false, false, false},
    {"label4", false, true, false},
    {"Label1", true, false, false},
    {"cmdarrow0", true, false, false},
    {"cmdarrow1", true, false, false},
    {"cmdarrow2", true, false, false},
    {"cmdcreate", true, false, false},
    {"cmdshowsol", false, false, true},
    {"Statx", false, true, true},
    {"cmdverify", true, false, true},
    {"cmdundo", true, false, true},
}};

const ControlAnchor* AnchorOf(const char* name) {
    for (const ControlAnchor& anchor : kAnchors)
        if (std::strcmp(anchor.name, name) == 0) return &anchor;
    return nullptr;
}

// The coarsest scale tried: a board drawn at a quarter of its size is no longer playable.
constexpr int kCoarsestScaleFactor = 4;

}  // namespace

QSize PlaceControls(QWidget& client, const TwipScale& scale, QSize picture) {
    const QSize roomPicture(scale.PixelsX(BoardPicture::kWidthTwips),
                            scale.PixelsY(BoardPicture::kHeightTwips));
    const int dx = std::max(0, picture.width() - roomPicture.width());
    const int dy = std::max(0, picture.height() - roomPicture.height());
    const QSize size(scale.PixelsX(kClientWidth) + dx, scale.PixelsY(kClientHeight) + dy);
    client.setFixedSize(size);
    for (const ControlPlace& place : kControlPlaces) {
        QWidget* control = client.findChild<QWidget*>(QLatin1String(place.name));
        if (!control) continue;
        if (qobject_cast<BoardPicture*>(control)) {
            // The board picture sizes itself from its extent and twips per pixel.
            control->move(scale.Pixels(place.left, place.top));
            continue;
        }
        QRect at = scale.Pixels(place.left, place.top, place.width, place.height);
        if (const ControlAnchor* anchor = AnchorOf(place.name)) {
            if (anchor->followsRight) at.translate(dx, 0);
            if (anchor->widens) at.setWidth(at.width() + dx);
            if (anchor->followsBottom) at.translate(0, dy);
        }
        control->setGeometry(at);
    }
    return size;
}

PictureScale FittingPictureScale(PictureExtent extent, PictureScale screen, QSize chrome,
                                 QSize room) {
    const int sx = std::max(1, screen.x);
    const int sy = std::max(1, screen.y);
    PictureScale scale{sx, sy};
    for (int tpp = sx; tpp <= sx * kCoarsestScaleFactor; ++tpp) {
        scale = {tpp, RoundHalfEven(static_cast<double>(sy) * tpp / sx)};
        const int width = RoundHalfEven(static_cast<double>(extent.width) / scale.x);
        const int height = RoundHalfEven(static_cast<double>(extent.height) / scale.y);
        if (width + chrome.width() <= room.width() && height + chrome.height() <= room.height())
            break;
    }
    return scale;
}

BoardWindow::BoardWindow(QMainWindow& window, BoardPicture& picture, GameState& state)
    : window_(window), picture_(picture), state_(state) {}

bool BoardWindow::BoardChanged() const {
    return state_.layout.HexTotal != fittedHexagons_;
}

void BoardWindow::Fit() {
    fittedHexagons_ = state_.layout.HexTotal;
    const TwipScale scale{static_cast<double>(state_.TwipsPerPixelX),
                          static_cast<double>(state_.TwipsPerPixelY)};
    const PictureExtent extent = BoardPictureExtent(state_.layout);

    // What the window needs besides the picture: the client area around it, the menu bar
    // and the frame the window manager puts round it.
    const QSize roomPicture(scale.PixelsX(BoardPicture::kWidthTwips),
                            scale.PixelsY(BoardPicture::kHeightTwips));
    const QSize client(scale.PixelsX(kClientWidth), scale.PixelsY(kClientHeight));
    const QSize frame = window_.isVisible()
                            ? window_.frameGeometry().size() - window_.geometry().size()
                            : QSize(0, 0);
    const QSize chrome = client - roomPicture + frame +
                         QSize(0, window_.menuBar() ? window_.menuBar()->sizeHint().height() : 0);
    const QScreen* screen = window_.screen() ? window_.screen() : QGuiApplication::primaryScreen();
    // Offscreen and without a screen the board keeps the screen's scale.
    const QSize room = screen ? screen->availableGeometry().size() : QSize(1 << 20, 1 << 20);
    const PictureScale fitting =
        FittingPictureScale(extent, {state_.TwipsPerPixelX, state_.TwipsPerPixelY}, chrome, room);

    picture_.SetExtent(extent);
    picture_.SetTwipsPerPixel(fitting.x, fitting.y);
    PrepareGeometry(state_.geometry, state_.layout, picture_);
    PlaceControls(*window_.centralWidget(), scale, picture_.size());

    // The window takes its new size now, and stays on its screen.
    if (QLayout* layout = window_.layout()) layout->activate();
    window_.adjustSize();
    if (!screen || !window_.isVisible()) return;
    const QRect available = screen->availableGeometry();
    QRect frameRect = window_.frameGeometry();
    if (frameRect.right() > available.right()) frameRect.moveRight(available.right());
    if (frameRect.bottom() > available.bottom()) frameRect.moveBottom(available.bottom());
    if (frameRect.left() < available.left()) frameRect.moveLeft(available.left());
    if (frameRect.top() < available.top()) frameRect.moveTop(available.top());
    if (frameRect.topLeft() != window_.frameGeometry().topLeft()) window_.move(frameRect.topLeft());
}

}  // namespace lumeta
