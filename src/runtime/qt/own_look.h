#pragma once
// The windows are drawn in their own colours, which assume the light system
// colours they were laid out with (white text fields, black text). A dark
// desktop palette would turn the system colours dark under dark blue text, so
// the program uses one fixed light palette and style whatever the desktop says.

class QPalette;

namespace rtqt {

// The light palette every window and box of the program is drawn with.
QPalette ownPalette();
// Puts the fixed style and palette on the application; idempotent.
void useOwnLook();

}  // namespace rtqt
