#include "controls/colour_value.h"

namespace lumeta {

namespace {

// The classic system colour indexes, mapped onto the nearest palette roles.
QColor SystemColour(std::uint32_t index, const QPalette& palette) {
    switch (index) {
        case 0:  // scroll bar
        case 15:  // button face
        case 22:  // 3-D light
            return palette.color(QPalette::Button);
        case 1:   // desktop
        case 2:   // active caption
        case 13:  // highlight
            return palette.color(QPalette::Highlight);
        case 14:  // highlight text
            return palette.color(QPalette::HighlightedText);
        case 4:  // menu
        case 5:  // window
            return palette.color(QPalette::Base);
        case 3:   // inactive caption
        case 17:  // grey text
            return palette.color(QPalette::Disabled, QPalette::WindowText);
        case 6:  // window frame
        case 7:  // menu text
        case 8:  // window text
        case 9:  // caption text
            return palette.color(QPalette::WindowText);
        case 16:  // button shadow
            return palette.color(QPalette::Dark);
        case 18:  // button text
            return palette.color(QPalette::ButtonText);
        case 20:  // button highlight
            return palette.color(QPalette::Light);
        case 21:  // 3-D dark shadow
            return palette.color(QPalette::Shadow);
        case 23:  // tooltip text
            return palette.color(QPalette::ToolTipText);
        case 24:  // tooltip background
            return palette.color(QPalette::ToolTipBase);
        default:
            return palette.color(QPalette::Window);
    }
}

}  // namespace

QColor ColourFromValue(std::uint32_t value, const QPalette& palette) {
    if (value & kSystemColourBit) return SystemColour(value & 0xFFFFu, palette);
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

std::uint32_t ValueFromColour(const QColor& colour) {
    return RGBValue(colour.red(), colour.green(), colour.blue());
}

}  // namespace lumeta
