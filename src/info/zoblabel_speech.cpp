// What a screen reader says for the info window's controls: the spaced-out
// "O k a y" and the cross picture get a plain name; every control its role.
#include "info/zoblabel.h"

namespace info {

namespace {

void say(rt::Control& control, std::string name, std::string role) {
    control.accessibleName = std::move(name);
    control.description = std::move(role);
}

void sayRole(rt::Control& control, std::string role) {
    control.description = std::move(role);
}

}  // namespace

void ZOBLABEL::nameForScreenReaders() {
    sayRole(Bezeichnung5, "Programmname");
    sayRole(Bezeichnung6, "Nutzungsbedingungen");
    sayRole(Bezeichnung7, "Hersteller");
    say(Kontroll1, "Druckmodus deaktivieren",
        "Angekreuzt: Arbeitsblätter nur mit dem Kennwort drucken");
    say(Bezeichnung1, "Okay", "Fenster schließen");
    say(Bild1, "Schließen", "Fenster schließen");
    sayRole(Bezeichnung8, "Hinweis");
}

}  // namespace info
