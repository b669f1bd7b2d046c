#pragma once
// What a screen reader says for a control: a name where the shown text is a sign
// or there is none, and the control's role in a few words.

#include <string>
#include <utility>

#include "runtime/controls.h"

namespace rt {

inline void say(Control& control, std::string name, std::string role) {
    control.accessibleName = std::move(name);
    control.description = std::move(role);
}

inline void sayRole(Control& control, std::string role) {
    control.description = std::move(role);
}

}  // namespace rt
