#pragma once
// What the mouse can reach on a window, as the renderer shows it.
//
// A control is aimed at its centre. It is in sight when it and every picture box
// around it are visible and that centre lies inside the client area and inside
// each picture box around it. It is covered when a visible windowed control
// (button, picture box, list box, check box, scroll bar) stands in front of it at
// that centre: a later sibling, a windowed control in front of a label, or a
// control inside it. The simplification: labels, shapes and lines never cover
// anything, and a control whose centre is covered counts as unreachable even if
// an edge of it still shows.

#include <vector>

#include "runtime/form.h"

namespace driver {

bool inSight(const rt::Form& form, const rt::Control& control);
bool reachable(const rt::Form& form, const rt::Control& control);
// Reachable, enabled with every picture box around it, and clicking it runs a handler
// (a button that drags on press never clicks).
bool clickable(const rt::Form& form, const rt::Control& control);
// Reachable, enabled, and takes drops.
bool dropTarget(const rt::Form& form, const rt::Control& control);
// A timer the renderer lets tick.
bool ticking(const rt::Control& control);

}  // namespace driver
