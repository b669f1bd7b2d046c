#pragma once
// Keeps the program from writing on disk behind the user's back before Qt starts.
//
// With no session bus running (DBUS_SESSION_BUS_ADDRESS unset, as on a bare X
// server or over ssh), libdbus "autolaunches" a bus of its own: it starts a daemon
// that outlives the program and writes ~/.dbus/session-bus/<machine>-<display>.
// The program needs no bus (the desktop's accessibility and theme services are
// reached through it when there is one), so with none it asks for none.
//
// Qt wants a private runtime folder and, when XDG_RUNTIME_DIR is unset, makes one
// as /tmp/runtime-<user> once something asks for it; a fresh folder is made there
// only when that variable is missing, and none of the program's own paths use it.

#include <cstdlib>

namespace app {

inline void quietEnvironment() {
    const char* bus = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    if (bus == nullptr || *bus == '\0')
        setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
}

}  // namespace app
