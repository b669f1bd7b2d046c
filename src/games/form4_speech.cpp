// What a screen reader says for the catching game's controls: the arrows are
// pictures and need a name; every control gets its role in a few words.
#include "games/form4.h"
#include "runtime/speech.h"

namespace games {

void Form4::nameForScreenReaders() {
    rt::sayRole(Befehl1, "Spiel beenden");
    rt::say(Bild1, "Pfeil nach links", "Kreuz nach links, auch mit der Pfeiltaste");
    rt::say(Bild2, "Pfeil nach oben", "Kreuz nach oben, auch mit der Pfeiltaste");
    rt::say(Bild3, "Pfeil nach unten", "Kreuz nach unten, auch mit der Pfeiltaste");
    rt::say(Bild4, "Pfeil nach rechts", "Kreuz nach rechts, auch mit der Pfeiltaste");
    rt::sayRole(Bezeichnung3, "Diese Zahl als Nächste fangen");
    rt::say(HBildlauf1, "Tempo", "Tempo der Zahlen: links schnell, rechts langsam");
    rt::sayRole(Bezeichnung1, "Tempo, linkes Ende");
    rt::sayRole(Bezeichnung2, "Tempo, rechtes Ende");
}

}  // namespace games
