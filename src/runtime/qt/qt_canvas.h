#pragma once
// Drawing on a window: text printed in points onto the window's surface, which
// lies under the controls and stays until cleared.

#include "runtime/services.h"

namespace rtqt {

class FormWindow;

class QtCanvas final : public rt::Canvas {
  public:
    explicit QtCanvas(FormWindow& window) : window_(window) {}

    void cls() override;
    void setForeColor(rt::Colour colour) override { colour_ = colour; }
    void setFontSize(double points) override { size_ = points; }
    // Only the glyphs are painted; (x, y) is the top left of the text in points.
    void printAt(double x, double y, const std::string& text) override;

  private:
    FormWindow& window_;
    rt::Colour colour_ = rt::kWindowText;
    double size_ = 0;  // 0: the form's font size
};

}  // namespace rtqt
