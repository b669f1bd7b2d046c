#pragma once
// A window that is created on first use and kept, hidden or shown, until it is
// unloaded; after an unload the next use creates it anew with its design values.

#include <functional>
#include <memory>
#include <utility>

#include "runtime/form.h"

namespace rt {

template <class F>
class FormSlot {
  public:
    explicit FormSlot(std::function<std::unique_ptr<F>()> make) : make_(std::move(make)) {}
    FormSlot(const FormSlot&) = delete;
    FormSlot& operator=(const FormSlot&) = delete;

    // The window, created now if it does not exist.
    F& get() {
        if (!form_) {
            form_ = make_();
            form_->whenUnloaded = [this] { discard(); };
        }
        return *form_;
    }
    F* operator->() { return &get(); }
    bool exists() const { return form_ != nullptr; }

  private:
    // The unloaded window's data stays alive until the next unload, since the
    // unload may come from one of the window's own handlers, still running.
    void discard() { retired_ = std::move(form_); }

    std::function<std::unique_ptr<F>()> make_;
    std::unique_ptr<F> form_;
    std::unique_ptr<F> retired_;
};

}  // namespace rt
