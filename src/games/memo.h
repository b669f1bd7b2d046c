#pragma once
// "Memory", the second reward game: eighteen cards, each a pair of numbers that
// make ten, lie face down; the child turns two at a time and looks for the two
// alike. The game is dealt at the first card click and keeps its state while
// the window is hidden, so a game left with "ENDE" goes on at the next entry.

#include <array>
#include <string>

#include "games/modul1.h"
#include "runtime/colours.h"
#include "runtime/form.h"
#include "runtime/make_controls.h"
#include "runtime/services.h"

namespace games {

inline constexpr rt::Colour kCardBlue = rt::kLightBlue;  // face down, and the frame
using rt::kWhite;
inline constexpr int kCards = 18;

class Memo : public rt::Form {
  public:
    Memo(rt::Services& services, rt::Form& trainer, Modul1& modul1);

    void Form_Load() override;
    // The title bar's close box leaves the game as "ENDE" does.
    void Form_Unload(bool& cancel) override;

    // The eighteen cards share this handler; n is 1 to 18.
    void Bezeichnung_Click(int n);
    void Befehl1_Click();  // "ENDE"
    void Befehl2_Click();  // "Hilfe"

    void kartewaehlen();
    void kartenmischen();
    void kartenzudecken();
    void paarmarkieren();
    void kartenzuruecksetzen();
    void geschafft();

    // Card n, 1 to 18: 1 to 9 the left column from the top, 10 to 18 the right.
    rt::Label& karte(int n) { return *karten_[static_cast<std::size_t>(n - 1)]; }

    rt::CommandButton Befehl1 = rt::makeButton("Befehl1", "ENDE", 120, 120, 735, 495, 8.25);
    rt::CommandButton Befehl2 = rt::makeButton("Befehl2", "Hilfe", 120, 720, 735, 495, 9.75);
    rt::Shape Figur3 = kartenrahmen();
    rt::Label Bezeichnung1 = card(1), Bezeichnung2 = card(2), Bezeichnung3 = card(3),
              Bezeichnung4 = card(4), Bezeichnung5 = card(5), Bezeichnung6 = card(6),
              Bezeichnung7 = card(7), Bezeichnung8 = card(8), Bezeichnung9 = card(9),
              Bezeichnung10 = card(10), Bezeichnung11 = card(11), Bezeichnung12 = card(12),
              Bezeichnung13 = card(13), Bezeichnung14 = card(14), Bezeichnung15 = card(15),
              Bezeichnung16 = card(16), Bezeichnung17 = card(17), Bezeichnung18 = card(18);

    // --- state, out of sight; numbers as text ---
    std::string Bezeichnung20 = "0";  // "1" once the current game is dealt
    std::string Bezeichnung21;        // hidden number of each card, 18 digits 1 to 9
    std::string Bezeichnung22;        // "1" card still in play, "0" its pair found
    std::string Bezeichnung23;        // first open card, with its leading blank; "0" none
    std::string Bezeichnung24;        // second open card, with its leading blank; "0" none
    std::string Bezeichnung25;        // the card just clicked, no blank

  private:
    // Names and roles for screen readers.
    void nameForScreenReaders();
    // "3 + 7" for the hidden number 3.
    std::string aufschrift(int n) const;
    static rt::Label card(int n);
    static rt::Shape kartenrahmen();

    std::array<rt::Label*, kCards> karten_;
    rt::Services& services_;
    rt::Form& trainer_;
    Modul1& m_;
};

}  // namespace games
