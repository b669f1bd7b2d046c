#pragma once
// Screen and window management for the forms, in twips.

#include "runtime/services.h"

namespace rtqt {

class FormRenderer;

class QtWindows final : public rt::Windows {
  public:
    explicit QtWindows(FormRenderer& renderer) : renderer_(renderer) {}

    int screenWidth() const override;
    int screenHeight() const override;
    int outerWidth(const rt::Form& form) const override;
    int outerHeight(const rt::Form& form) const override;
    void show(rt::Form& form) override;
    void hide(rt::Form& form) override;
    void unload(rt::Form& form) override;
    void setFocus(rt::Control& control) override;
    rt::Canvas& canvas(rt::Form& form) override;
    // Every window disappears at once and the event loop ends, without asking
    // the windows.
    void quit() override;

  private:
    FormRenderer& renderer_;
};

}  // namespace rtqt
