#pragma once
// Where a window goes on the screen when it places itself: centred across, and
// down at the given share of the free height (2 is the middle), counting its
// outer size, frame and title bar included.

#include "runtime/form.h"
#include "runtime/services.h"

namespace rt {

inline void placeOnScreen(Form& form, const Windows& windows, int shareOfFreeHeight = 2) {
    form.left = (windows.screenWidth() - windows.outerWidth(form)) / 2;
    form.top = (windows.screenHeight() - windows.outerHeight(form)) / shareOfFreeHeight;
}

}  // namespace rt
