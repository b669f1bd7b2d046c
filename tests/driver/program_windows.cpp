#include "driver/program_windows.h"

#include <algorithm>

namespace driver {

rt::Form& ProgramWindows::load(rt::Form& form) {
    if (!isLoaded(form)) {
        loaded_.push_back(&form);
        shown_[&form] = false;
        form.Form_Load();
    }
    return form;
}

void ProgramWindows::show(rt::Form& form) {
    load(form);
    // The renderer activates before it shows, so that the first frame already
    // holds what the activation puts there.
    if (active_ != &form)
        activate(form);
    // The activation may have unloaded the form again.
    if (isLoaded(form))
        shown_[&form] = true;
}

void ProgramWindows::hide(rt::Form& form) {
    // Hiding a window the program has not loaded yet loads it, as the renderer does.
    load(form);
    shown_[&form] = false;
}

void ProgramWindows::activate(rt::Form& form) {
    if (active_ == &form || !isLoaded(form))
        return;
    active_ = &form;
    form.Form_Activate();
}

void ProgramWindows::unload(rt::Form& form) {
    if (!isLoaded(form))
        return;
    bool cancel = false;
    form.Form_Unload(cancel);
    if (cancel || !isLoaded(form))
        return;
    loaded_.erase(std::find(loaded_.begin(), loaded_.end(), &form));
    shown_.erase(&form);
    canvases_.erase(&form);
    if (active_ == &form)
        active_ = nullptr;
    // Last: whoever holds the form may let it go now.
    if (auto forget = form.whenUnloaded)
        forget();
}

rt::Canvas& ProgramWindows::canvas(rt::Form& form) {
    return canvases_[&load(form)];
}

bool ProgramWindows::isLoaded(const rt::Form& form) const {
    return std::find(loaded_.begin(), loaded_.end(), &form) != loaded_.end();
}

bool ProgramWindows::isShown(const rt::Form& form) const {
    auto found = shown_.find(&form);
    return found != shown_.end() && found->second && !ended_;
}

std::vector<rt::Form*> ProgramWindows::shown() const {
    std::vector<rt::Form*> result;
    for (rt::Form* form : loaded_) {
        if (isShown(*form))
            result.push_back(form);
    }
    return result;
}

}  // namespace driver
