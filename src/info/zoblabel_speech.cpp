// What a screen reader says for the info window's controls: the spaced-out
// "O k a y" and the cross picture get a plain name; every control its role.
#include "info/zoblabel.h"
#include "runtime/speech.h"

namespace info {

void ZOBLABEL::nameForScreenReaders() {
    rt::sayRole(Bezeichnung5, "Programmname");
    rt::sayRole(Bezeichnung6, "Nutzungsbedingungen");
    rt::sayRole(Bezeichnung7, "Hersteller");
    rt::say(Kontroll1, "Druckmodus deaktivieren",
            "Angekreuzt: Arbeitsblätter nur mit dem Kennwort drucken");
    rt::say(Bezeichnung1, "Okay", "Fenster schließen");
    rt::say(Bild1, "Schließen", "Fenster schließen");
    rt::sayRole(Bezeichnung8, "Hinweis");
}

}  // namespace info
