#include "games/memo.h"


#include "runtime/conversions.h"
#include "runtime/placement.h"

namespace games {

namespace {
// Each pair-of-ten card exists twice.
constexpr const char* kKartenpaare = "112233445566778899";
constexpr int kCardTops[] = {240, 840, 1440, 2040, 2640, 3240, 3840, 4440, 5040};
}  // namespace

Memo::Memo(rt::Services& services, rt::Form& trainer, Modul1& modul1)
    : rt::Form("memo", 6540, 5805),
      karten_{&Bezeichnung1,  &Bezeichnung2,  &Bezeichnung3,  &Bezeichnung4,  &Bezeichnung5,
              &Bezeichnung6,  &Bezeichnung7,  &Bezeichnung8,  &Bezeichnung9,  &Bezeichnung10,
              &Bezeichnung11, &Bezeichnung12, &Bezeichnung13, &Bezeichnung14, &Bezeichnung15,
              &Bezeichnung16, &Bezeichnung17, &Bezeichnung18},
      services_(services),
      trainer_(trainer),
      m_(modul1) {
    caption = "Memory";
    backColor = 0xFFC0C0;
    borderStyle = rt::BorderStyle::Dialog;
    icon = "memory";

    addControls({&Befehl1, &Befehl2, &Figur3});
    for (int n = 1; n <= kCards; ++n) {
        addControls({&karte(n)});
        karte(n).onClick = [this, n] { Bezeichnung_Click(n); };
    }
    Befehl1.onClick = [this] { Befehl1_Click(); };
    Befehl2.onClick = [this] { Befehl2_Click(); };
    nameForScreenReaders();
}

void Memo::Form_Load() {
    rt::placeOnScreen(*this, services_.windows);
}

void Memo::Form_Unload(bool& cancel) {
    // Closing the window must not leave the hidden trainer behind with no window
    // in sight: it leaves the game as "ENDE" does.
    cancel = true;
    Befehl1_Click();
}

void Memo::Bezeichnung_Click(int n) {
    Bezeichnung25 = std::to_string(n);
    kartewaehlen();
}

void Memo::Befehl1_Click() {
    services_.windows.hide(*this);
    services_.windows.show(trainer_);
}

void Memo::Befehl2_Click() {
    services_.dialogs.msgBox(
        {"Immer zwei Felder bilden ein Zahlenpaar, klicke\r"
         "die Einzelfelder an und suche so Zahlenpaare!",
         "Memory", rt::Buttons::Ok, rt::Icon::None, false});
}

std::string Memo::aufschrift(int n) const {
    const int d = Bezeichnung21[static_cast<std::size_t>(n - 1)] - '0';
    return std::to_string(d) + " +" + rt::str(10 - d);
}

void Memo::kartewaehlen() {
    const int n = static_cast<int>(rt::val(Bezeichnung25));
    if (Bezeichnung20 == "0") {
        kartenmischen();
        Bezeichnung20 = "1";
        Bezeichnung23 = "0";
        Bezeichnung24 = "0";
    }
    // A card of a found pair takes no part any more.
    if (Bezeichnung22[static_cast<std::size_t>(n - 1)] == '0')
        return;
    int a = static_cast<int>(rt::val(Bezeichnung23));
    int b = static_cast<int>(rt::val(Bezeichnung24));
    if (a > 0 && b > 0)
        kartenzudecken();
    a = static_cast<int>(rt::val(Bezeichnung23));
    b = static_cast<int>(rt::val(Bezeichnung24));
    karte(n).caption = aufschrift(n);
    if (a == 0) {
        Bezeichnung23 = rt::str(n);
        return;
    }
    if (b == 0) {
        Bezeichnung24 = rt::str(n);
        b = n;
    }
    if (b == a) {
        // The open first card clicked again: it stays the first card.
        Bezeichnung24 = "0";
        return;
    }
    if (Bezeichnung21[static_cast<std::size_t>(a - 1)] ==
        Bezeichnung21[static_cast<std::size_t>(b - 1)]) {
        Bezeichnung22[static_cast<std::size_t>(a - 1)] = '0';
        Bezeichnung22[static_cast<std::size_t>(b - 1)] = '0';
        paarmarkieren();
    }
    if (Bezeichnung22 == std::string(kCards, '0'))
        geschafft();
}

void Memo::kartenmischen() {
    std::string work(kCards, '0');
    for (int i = 1; i <= kCards; ++i) {
        do {
            m_.kreuzspalte = static_cast<std::int16_t>(rt::drawWhole(services_.random, kCards, 1));
        } while (work[static_cast<std::size_t>(m_.kreuzspalte - 1)] != '0');
        work[static_cast<std::size_t>(m_.kreuzspalte - 1)] = kKartenpaare[i - 1];
    }
    Bezeichnung21 = work;
    Bezeichnung22 = std::string(kCards, '1');
}

void Memo::kartenzudecken() {
    karte(static_cast<int>(rt::val(Bezeichnung23))).caption = "";
    karte(static_cast<int>(rt::val(Bezeichnung24))).caption = "";
    Bezeichnung23 = "0";
    Bezeichnung24 = "0";
}

void Memo::paarmarkieren() {
    for (const std::string* field : {&Bezeichnung23, &Bezeichnung24}) {
        rt::Label& k = karte(static_cast<int>(rt::val(*field)));
        k.backColor = rt::qbColor(9);
        k.font.italic = true;
    }
    Bezeichnung23 = "0";
    Bezeichnung24 = "0";
}

void Memo::kartenzuruecksetzen() {
    for (rt::Label* k : karten_) {
        k->backColor = Figur3.borderColor;
        k->caption = "";
        k->font.italic = false;
    }
    Bezeichnung20 = "0";
}

void Memo::geschafft() {
    services_.dialogs.msgBox(
        {"Prima, du hast es geschafft!\r", "Memory", rt::Buttons::Ok, rt::Icon::None, false});
    kartenzuruecksetzen();
    services_.windows.hide(*this);
    services_.windows.show(trainer_);
}

rt::Label Memo::card(int n) {
    const int column = (n - 1) / 9;
    rt::Label l = rt::makeLabel("Bezeichnung" + std::to_string(n), column == 0 ? 1080 : 3720,
                                kCardTops[(n - 1) % 9], 2535, 495, 18, kWhite, kCardBlue);
    l.border = true;
    return l;
}

rt::Shape Memo::kartenrahmen() {
    rt::Shape s("Figur3", 960, 120, 5415, 5535);
    s.borderColor = kCardBlue;
    s.borderWidth = 3;
    s.filled = false;
    return s;
}

}  // namespace games
