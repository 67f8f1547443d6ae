#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lumeta {

// What a printed block needs of the paper it is drawn on: a pen, lines and text, all
// positioned in twips from the top-left corner of the surface. Colours are stored values
// (red + 256 × green + 65536 × blue).
class PrintSurface {
  public:
    virtual ~PrintSurface() = default;

    // Pen width in the surface's own device pixels.
    virtual void SetDrawWidth(int pixels) = 0;
    virtual void SetForeColour(std::uint32_t colour) = 0;
    virtual void SetFont(const std::string& name, bool bold) = 0;
    // Text size in points; fractions allowed.
    virtual void SetFontSize(double points) = 0;

    // A straight line; the pen stays at (x2, y2).
    virtual void Line(double x1, double y1, double x2, double y2, std::uint32_t colour) = 0;
    // From where the pen is to (x2, y2), which becomes the pen position.
    virtual void LineTo(double x2, double y2, std::uint32_t colour) = 0;

    // Extent of a text in the current font, twips.
    virtual double TextWidth(std::string_view text) = 0;
    virtual double TextHeight(std::string_view text) = 0;

    // Where the next text's top-left corner goes.
    void SetCurrentX(double x) { currentX_ = x; }
    void SetCurrentY(double y) { currentY_ = y; }

    // Writes the text at the text position and moves that to the start of the next line.
    void Print(std::string_view text) {
        WriteText(currentX_, currentY_, text);
        currentY_ += TextHeight(text);
        currentX_ = 0;
    }

  protected:
    virtual void WriteText(double x, double y, std::string_view text) = 0;

  private:
    double currentX_ = 0;
    double currentY_ = 0;
};

}  // namespace lumeta
