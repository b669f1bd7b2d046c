#pragma once
// The program's colours, 0x00BBGGRR, shared by all its windows: every window
// stands on the same pink, with panels, cells and cards in the same light blue.

#include "runtime/controls.h"

namespace rt {

inline constexpr Colour kWindowPink = 0xFFC0C0;
inline constexpr Colour kLightBlue = 0xFF8080;
inline constexpr Colour kDarkBlue = 0x800000;
inline constexpr Colour kRed = 0x0000FF;
inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kWhite = 0xFFFFFF;

}  // namespace rt
