// What a screen reader says for the memory game's controls. A card's name is
// the pair it shows; face down it shows nothing and is still named.
#include <string>

#include "games/memo.h"

namespace games {

void Memo::nameForScreenReaders() {
    Befehl1.description = "Spiel verlassen, es geht beim nächsten Mal weiter";
    Befehl2.description = "Spielregel";
    for (int n = 1; n <= kCards; ++n) {
        const std::string karteN = "Karte " + std::to_string(n);
        karte(n).blankName = karteN + ", verdeckt";
        karte(n).description = karteN + " von 18, zum Umdrehen anklicken";
    }
}

}  // namespace games
