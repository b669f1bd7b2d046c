// The reward notices hand the child over to a game: the trainer steps aside,
// hidden but whole, and comes back when the game shows it again.
#include "runtime/conversions.h"
#include "trainer/form2.h"

namespace trainer {

namespace {
constexpr double kFangSchrift = 13.5;  // points
constexpr int kKreuzStartSpalte = 14;
constexpr int kKreuzStartZeile = 9;
}  // namespace

void Form2::Bezeichnung26_Click() {
    Bezeichnung26.visible = false;
    fangspielstarten();
}

void Form2::fangspielstarten() {
    // Announced while the trainer is still in sight.
    services_.dialogs.msgBox({"Es folgt jetzt eine Belohnung.\r\r", "Zahlfange", rt::Buttons::Ok,
                              rt::Icon::None, false});

    games::Form4& spiel = Form4.get();
    rt::Canvas& canvas = services_.windows.canvas(spiel);
    canvas.setForeColor(rt::qbColor(1));
    canvas.setFontSize(kFangSchrift);
    canvas.cls();

    modul1.kreuzspalte = kKreuzStartSpalte;
    modul1.kreuzzeile = kKreuzStartZeile;
    // On the diagonal until the first tick places them; not drawn yet.
    for (int i = 1; i <= 10; ++i) {
        modul1.zahlspalte[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(i + 3);
        modul1.zahlzeile[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(i + 3);
    }
    modul1.fangzahlen = "0123456789";

    spiel.Zeit1.enabled = true;
    spiel.Zeit1.interval = spiel.HBildlauf1.value * 1000;

    services_.windows.hide(*this);
    services_.windows.show(spiel);
}

void Form2::Bezeichnung28_Click() {
    Bezeichnung28.visible = false;
    Bild1.top = kRocketStart;
    services_.windows.hide(*this);
    services_.windows.show(memo.get());
}

}  // namespace trainer
