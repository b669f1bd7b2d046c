#pragma once
// The windows of one running program as the real renderer keeps them: which forms
// are loaded and shown, which one is the program's active form, and whether the
// program has been ended. Unlike FakeWindows it runs the window events the
// renderer runs: the load on first use, the activation when another form becomes
// the active one, the unload question and the forgetting after an unload.

#include <map>
#include <vector>

#include "fakes/fakes.h"
#include "runtime/form.h"
#include "runtime/services.h"

namespace driver {

class ProgramWindows : public rt::Windows {
  public:
    int screenWidth() const override { return 1280 * 15; }
    int screenHeight() const override { return 1024 * 15; }
    int outerWidth(const rt::Form& form) const override { return form.width + 8 * 15; }
    int outerHeight(const rt::Form& form) const override { return form.height + 30 * 15; }
    void show(rt::Form& form) override;
    void hide(rt::Form& form) override;
    void unload(rt::Form& form) override;
    void setFocus(rt::Control&) override {}
    rt::Canvas& canvas(rt::Form& form) override;
    void quit() override { ended_ = true; }

    // What the child does to the windows themselves.
    // A click into a shown window that is not the active one.
    void activate(rt::Form& form);
    // The close button in the title bar: the form may cancel.
    void close(rt::Form& form) { unload(form); }

    bool isLoaded(const rt::Form& form) const;
    bool isShown(const rt::Form& form) const;
    const rt::Form* activeForm() const { return active_; }
    bool ended() const { return ended_; }
    // Loaded forms in the order they were first loaded.
    const std::vector<rt::Form*>& loaded() const { return loaded_; }
    std::vector<rt::Form*> shown() const;

  private:
    rt::Form& load(rt::Form& form);

    std::vector<rt::Form*> loaded_;
    std::map<const rt::Form*, bool> shown_;
    std::map<const rt::Form*, fakes::FakeCanvas> canvases_;
    const rt::Form* active_ = nullptr;
    bool ended_ = false;
};

}  // namespace driver
