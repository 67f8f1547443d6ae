#pragma once

#include <functional>
#include <string>
#include <vector>

#include "output/print_surface.h"

namespace lumeta {

// The size of a text in a font, twips; ascent is the baseline's distance from the top.
struct TextMetrics {
    double width = 0;
    double height = 0;
    double ascent = 0;
};
using FontMeasure = std::function<TextMetrics(const std::string& fontName, bool bold, double points,
                                              std::string_view text)>;

// One thing drawn: a line (a continued one starts where the pen was) or a text.
struct DrawnItem {
    enum class Kind { Line, Text };
    Kind kind = Kind::Line;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // a text's top-left corner is (x1, y1)
    std::uint32_t colour = 0;
    int drawWidth = 1;
    bool continued = false;
    std::string text;
    std::string fontName;
    bool bold = false;
    double fontSize = 0;
    double ascent = 0;
};

// A print surface that keeps what is drawn on it, in order, to be looked at or written out
// in another form. Texts are measured by `measure`.
class RecordingSurface : public PrintSurface {
  public:
    explicit RecordingSurface(FontMeasure measure) : measure_(std::move(measure)) {}

    void SetDrawWidth(int pixels) override { drawWidth_ = pixels; }
    void SetForeColour(std::uint32_t colour) override { foreColour_ = colour; }
    void SetFont(const std::string& name, bool bold) override {
        fontName_ = name;
        bold_ = bold;
    }
    void SetFontSize(double points) override { fontSize_ = points; }
    void Line(double x1, double y1, double x2, double y2, std::uint32_t colour) override;
    void LineTo(double x2, double y2, std::uint32_t colour) override;
    double TextWidth(std::string_view text) override { return Measure(text).width; }
    double TextHeight(std::string_view text) override { return Measure(text).height; }

    const std::vector<DrawnItem>& Items() const { return items_; }

  protected:
    void WriteText(double x, double y, std::string_view text) override;

  private:
    TextMetrics Measure(std::string_view text) const;

    FontMeasure measure_;
    std::vector<DrawnItem> items_;
    int drawWidth_ = 1;
    std::uint32_t foreColour_ = 0;
    std::string fontName_;
    bool bold_ = false;
    double fontSize_ = 10;
    double penX_ = 0;
    double penY_ = 0;
};

}  // namespace lumeta
