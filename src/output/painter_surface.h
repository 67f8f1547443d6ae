#pragma once

#include <QFont>
#include <QPainter>

#include "output/print_surface.h"

class QPaintDevice;

namespace lumeta {

// A print surface on a painter that is active on a printer, a PDF writer or an image. The
// painter is scaled so that one unit is one twip of the device; pen widths stay in the
// device's own pixels.
class PainterSurface : public PrintSurface {
  public:
    explicit PainterSurface(QPainter& painter);

    void SetDrawWidth(int pixels) override;
    void SetForeColour(std::uint32_t colour) override;
    void SetFont(const std::string& name, bool bold) override;
    void SetFontSize(double points) override;
    void Line(double x1, double y1, double x2, double y2, std::uint32_t colour) override;
    void LineTo(double x2, double y2, std::uint32_t colour) override;
    double TextWidth(std::string_view text) override;
    double TextHeight(std::string_view text) override;

  protected:
    void WriteText(double x, double y, std::string_view text) override;

  private:
    void ApplyFont();

    QPainter& painter_;
    QPaintDevice& device_;
    double twipsPerPixelX_;
    double twipsPerPixelY_;
    int drawWidth_ = 1;
    std::uint32_t foreColour_ = 0;
    QFont font_;
    double fontPoints_ = 10;
    QPointF pen_;
};

}  // namespace lumeta
