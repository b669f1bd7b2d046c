// What a screen reader says for the catching game's controls: the arrows are
// pictures and need a name; every control gets its role in a few words.
#include "games/form4.h"

namespace games {

namespace {

void say(rt::Control& control, std::string name, std::string role) {
    control.accessibleName = std::move(name);
    control.description = std::move(role);
}

void sayRole(rt::Control& control, std::string role) {
    control.description = std::move(role);
}

}  // namespace

void Form4::nameForScreenReaders() {
    sayRole(Befehl1, "Spiel beenden");
    say(Bild1, "Pfeil nach links", "Kreuz nach links, auch mit der Pfeiltaste");
    say(Bild2, "Pfeil nach oben", "Kreuz nach oben, auch mit der Pfeiltaste");
    say(Bild3, "Pfeil nach unten", "Kreuz nach unten, auch mit der Pfeiltaste");
    say(Bild4, "Pfeil nach rechts", "Kreuz nach rechts, auch mit der Pfeiltaste");
    sayRole(Bezeichnung3, "Diese Zahl als Nächste fangen");
    say(HBildlauf1, "Tempo", "Tempo der Zahlen: links schnell, rechts langsam");
    sayRole(Bezeichnung1, "Tempo, linkes Ende");
    sayRole(Bezeichnung2, "Tempo, rechtes Ende");
}

}  // namespace games
