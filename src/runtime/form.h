#pragma once
// A window as data: its own properties, its controls in stacking order and its
// window events. The renderer builds the real window from this and raises the
// events; a window class derives from Form and declares its controls as members.

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "runtime/controls.h"

namespace rt {

// FixedDialog: a fixed border with a close box only, no minimise or maximise.
enum class BorderStyle { Fixed, Sizable, FixedDialog };

class Form {
  public:
    Form(std::string formName, int clientWidth, int clientHeight)
        : name(std::move(formName)), width(clientWidth), height(clientHeight) {}
    virtual ~Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    std::string name;
    std::string caption;
    // Outer position on the screen, twips; the renderer moves the window to it.
    int left = 0;
    int top = 0;
    // Client area, twips; anything placed beyond it is out of sight.
    int width;
    int height;
    Colour backColor = kWindowBackground;
    Font font;
    std::string icon;
    BorderStyle borderStyle = BorderStyle::Fixed;

    // Window events. Form_KeyDown sees every key before any control does.
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_KeyDown(int /*keyCode*/) {}
    // Set cancel to true to keep the window open.
    virtual void Form_Unload(bool& /*cancel*/) {}

    // Runs once the window is really gone after an unload that was not cancelled;
    // whoever holds the window uses it to forget it (see FormSlot).
    std::function<void()> whenUnloaded;

    // Back to front: labels, shapes and lines always stand behind picture boxes
    // and the other windowed controls, whatever their place in this list.
    const std::vector<Control*>& controls() const { return controls_; }
    Control* findControl(const std::string& controlName) const;

  protected:
    void addControls(std::initializer_list<Control*> list) {
        controls_.insert(controls_.end(), list.begin(), list.end());
    }

  private:
    std::vector<Control*> controls_;
};

inline Control* Form::findControl(const std::string& controlName) const {
    for (Control* c : controls_) {
        if (c->name == controlName)
            return c;
    }
    return nullptr;
}

}  // namespace rt
