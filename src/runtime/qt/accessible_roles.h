#pragma once
// Roles for the renderer's own widgets that Qt would otherwise announce as mere
// fillers: a form's window is a window (read with its title), a picture box a
// picture.

namespace rtqt {

// Registers the roles with Qt's accessibility; idempotent.
void announceRenderedRoles();

}  // namespace rtqt
