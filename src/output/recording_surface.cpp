#include "output/recording_surface.h"

namespace lumeta {

void RecordingSurface::Line(double x1, double y1, double x2, double y2, std::uint32_t colour) {
    penX_ = x1;
    penY_ = y1;
    LineTo(x2, y2, colour);
    items_.back().continued = false;
}

void RecordingSurface::LineTo(double x2, double y2, std::uint32_t colour) {
    DrawnItem line;
    line.x1 = penX_;
    line.y1 = penY_;
    line.x2 = x2;
    line.y2 = y2;
    line.colour = colour;
    line.drawWidth = drawWidth_;
    line.continued = true;
    items_.push_back(std::move(line));
    penX_ = x2;
    penY_ = y2;
}

void RecordingSurface::WriteText(double x, double y, std::string_view text) {
    // An empty text only moves the text position.
    if (text.empty()) return;
    DrawnItem item;
    item.kind = DrawnItem::Kind::Text;
    item.x1 = x;
    item.y1 = y;
    item.colour = foreColour_;
    item.text = std::string(text);
    item.fontName = fontName_;
    item.bold = bold_;
    item.fontSize = fontSize_;
    item.ascent = Measure(text).ascent;
    items_.push_back(std::move(item));
}

TextMetrics RecordingSurface::Measure(std::string_view text) const {
    return measure_ ? measure_(fontName_, bold_, fontSize_, text) : TextMetrics{};
}

}  // namespace lumeta
