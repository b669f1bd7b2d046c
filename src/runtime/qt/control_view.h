#pragma once
// One control of a rendered form: the widget (or timer) that shows it and the
// look last applied to it, so that a sync touches only what changed. The widget
// is made when the control first comes into sight; controls parked outside the
// window for their data never get one.

#include <QPoint>
#include <QRect>
#include <QTimer>
#include <QWidget>
#include <string>
#include <vector>

#include "runtime/controls.h"

namespace rtqt {

class FormRenderer;
class FormWindow;

// Everything of a control that can be seen, in the parent's pixels.
struct ControlLook {
    bool inSight = false;
    QRect geometry;
    bool enabled = true;
    std::string text;
    std::string accessibleName;
    std::string description;
    std::string icon;
    rt::Colour fore = 0;
    rt::Colour back = 0;
    rt::Colour fill = 0;
    rt::Colour border = 0;
    std::string fontName;
    double fontSize = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    rt::Align align = rt::Align::Left;
    bool framed = false;
    bool filled = false;
    bool dragOnPress = false;
    std::vector<std::string> lines;
    int value = 0;
    int minimum = 0;
    int maximum = 0;
    int smallStep = 0;
    int largeStep = 0;
    QPoint from;
    QPoint to;
    int lineWidth = 0;
    bool ticking = false;
    int interval = 0;
};

class ControlView {
  public:
    ControlView(rt::Control& control, FormWindow& window, FormRenderer& renderer);
    ControlView(const ControlView&) = delete;
    ControlView& operator=(const ControlView&) = delete;

    rt::Control& control() const { return control_; }
    // Null until the control first comes into sight.
    QWidget* widget() const { return widget_; }
    // Brings the widget in step with the control, touching only what changed.
    void sync();
    // Back to front within one parent: drawings (labels, shapes, lines) behind
    // windowed controls, otherwise in the form's order.
    std::pair<bool, int> stackRank() const { return {control_.isWindowed(), index_}; }
    void setIndex(int index) { index_ = index; }
    // The window is retiring: no tick, click or drop reaches the control any more.
    void retire();

  private:
    ControlLook read() const;
    QWidget* make();
    void apply(const ControlLook& look, bool first);
    void applyTimer(const ControlLook& look, bool first);
    bool live() const;
    void click();
    void tick();

    rt::Control& control_;
    FormWindow& window_;
    FormRenderer& renderer_;
    int index_ = 0;
    QWidget* widget_ = nullptr;
    QTimer* timer_ = nullptr;
    ControlLook applied_;
    bool synced_ = false;
};

}  // namespace rtqt
