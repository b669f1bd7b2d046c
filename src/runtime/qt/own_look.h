#pragma once
// The windows are drawn in their own colours, which assume the light system
// colours they were laid out with (white text fields, black text). A dark
// desktop palette would turn the system colours dark under dark blue text, so
// the program uses one fixed light palette and style whatever the desktop says.

class QPalette;
class QWidget;

namespace rtqt {

// The light palette every window and box of the program is drawn with; every
// role is set, so that it wins over what a desktop theme gives widget classes.
const QPalette& ownPalette();
// Puts the fixed style and palette on the application; idempotent.
void useOwnLook();
// Gives a window or box the palette itself, which its controls inherit and a
// later theme change of the desktop does not touch.
void giveOwnPalette(QWidget& window);

}  // namespace rtqt
