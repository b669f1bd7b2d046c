#include "games/form4.h"

#include <algorithm>
#include <string>

#include "runtime/conversions.h"
#include "runtime/placement.h"

namespace games {

namespace {
constexpr int kKeyLeft = 37, kKeyUp = 38, kKeyRight = 39, kKeyDown = 40, kKeyEsc = 27;
}  // namespace

Form4::Form4(rt::Services& services, rt::Form& trainer, Modul1& modul1)
    : rt::Form("Form4", 7245, 5085), services_(services), trainer_(trainer), m_(modul1) {
    caption = "Zahlfange";
    backColor = kGamePink;
    borderStyle = rt::BorderStyle::Dialog;
    font.size = 13.5;
    icon = "zahlfange";

    // In tab order; the speed labels stand in front of the frame they lie on.
    addControls({&Befehl1, &Bild1, &Bild2, &Bild3, &Bild4, &HBildlauf1, &Bezeichnung3, &Figur1,
                 &Bezeichnung1, &Bezeichnung2, &Figur2, &Zeit1});
    nameForScreenReaders();

    Befehl1.onClick = [this] { Befehl1_Click(); };
    Bild1.onClick = [this] { Bild1_Click(); };
    Bild2.onClick = [this] { Bild2_Click(); };
    Bild3.onClick = [this] { Bild3_Click(); };
    Bild4.onClick = [this] { Bild4_Click(); };
    HBildlauf1.onChange = [this] { HBildlauf1_Change(); };
    HBildlauf1.onScroll = [this] { HBildlauf1_Scroll(); };
    Zeit1.onTimer = [this] { Zeit1_Timer(); };
}

void Form4::Form_Activate() {
    rt::placeOnScreen(*this, services_.windows);
}

void Form4::Form_KeyDown(int keyCode) {
    // Each test on its own; the key still reaches the control with the focus.
    if (keyCode == kKeyUp)
        Bild2_Click();
    if (keyCode == kKeyDown)
        Bild3_Click();
    if (keyCode == kKeyLeft)
        Bild1_Click();
    if (keyCode == kKeyRight)
        Bild4_Click();
    if (keyCode == kKeyEsc)
        Befehl1_Click();
}

void Form4::Form_Unload(bool& cancel) {
    // Closing the window must not leave the hidden trainer behind with no window
    // in sight: it asks, as "ENDE" does, and Ja leads back to the trainer.
    cancel = true;
    Befehl1_Click();
}

void Form4::Bild1_Click() {
    kreuzBewegen(-1, 0);
}
void Form4::Bild2_Click() {
    kreuzBewegen(0, -1);
}
void Form4::Bild3_Click() {
    kreuzBewegen(0, 1);
}
void Form4::Bild4_Click() {
    kreuzBewegen(1, 0);
}

// A move against a bound erases and redraws the cross in the same cell.
void Form4::kreuzBewegen(int spalten, int zeilen) {
    kreuzloeschen();
    m_.kreuzspalte =
        static_cast<std::int16_t>(std::clamp(m_.kreuzspalte + spalten, kFirstColumn, kLastColumn));
    m_.kreuzzeile =
        static_cast<std::int16_t>(std::clamp(m_.kreuzzeile + zeilen, kFirstRow, kLastRow));
    fangpruefen();
}

void Form4::Befehl1_Click() {
    const rt::Answer answer =
        services_.dialogs.msgBox({"  Dieses Spiel jetzt beenden?", "Zahlfange", rt::Buttons::YesNo,
                                  rt::Icon::Critical, false});
    if (answer == rt::Answer::Yes)
        spielschliessen();
}

void Form4::Zeit1_Timer() {
    zahlenloeschen();
    zahlenverteilen();
    fangpruefen();
}

void Form4::HBildlauf1_Change() {
    Zeit1.interval = HBildlauf1.value * 1000;
    services_.windows.setFocus(Bild1);
}

void Form4::drucken(int spalte, int zeile, const std::string& text) {
    canvas().printAt(kCellPoints * spalte, kCellPoints * zeile, text);
}

void Form4::kreuzloeschen() {
    rt::Canvas& c = canvas();
    c.setForeColor(Figur1.fillColor);
    drucken(m_.kreuzspalte, m_.kreuzzeile, "+");
    c.setForeColor(rt::qbColor(1));
}

void Form4::zahlenzeigen() {
    const int n = static_cast<int>(m_.fangzahlen.size());
    for (int i = 1; i <= n; ++i) {
        drucken(m_.zahlspalte[i], m_.zahlzeile[i], m_.fangzahlen.substr(i - 1, 1));
    }
}

void Form4::zahlenloeschen() {
    rt::Canvas& c = canvas();
    c.setForeColor(Figur1.fillColor);
    zahlenzeigen();
    c.setForeColor(rt::qbColor(1));
}

void Form4::zahlenverteilen() {
    rt::Random& random = services_.random;
    const int n = static_cast<int>(m_.fangzahlen.size());
    for (int i = 1; i <= n; ++i) {
        bool frei = false;
        while (!frei) {
            m_.zahlspalte[i] = static_cast<std::int16_t>(rt::drawWhole(random, 24, 1));
            m_.zahlzeile[i] = static_cast<std::int16_t>(rt::drawWhole(random, 14, 3));
            frei = true;
            // No two digits of one round share a column or a row.
            for (int j = 1; j < i && frei; ++j) {
                if (m_.zahlspalte[j] == m_.zahlspalte[i] || m_.zahlzeile[j] == m_.zahlzeile[i])
                    frei = false;
            }
        }
        drucken(m_.zahlspalte[i], m_.zahlzeile[i], m_.fangzahlen.substr(i - 1, 1));
    }
}

void Form4::fangpruefen() {
    if (!m_.fangzahlen.empty() && m_.zahlspalte[1] == m_.kreuzspalte &&
        m_.zahlzeile[1] == m_.kreuzzeile) {
        // The caught digit's glyph stays on the field under the cross.
        const int n = static_cast<int>(m_.fangzahlen.size());
        for (int i = 1; i <= n - 1; ++i) {
            m_.zahlspalte[i] = m_.zahlspalte[i + 1];
            m_.zahlzeile[i] = m_.zahlzeile[i + 1];
        }
        m_.fangzahlen.erase(0, 1);
        zahlenzeigen();
    }
    drucken(m_.kreuzspalte, m_.kreuzzeile, "+");
    Bezeichnung3.caption = m_.fangzahlen.substr(0, 1);
    if (m_.fangzahlen.empty())
        spielbeendet();
}

void Form4::spielbeendet() {
    services_.dialogs.msgBox(
        {"  Das Spiel ist beendet!", "Zahlfange", rt::Buttons::Ok, rt::Icon::None, false});
    spielschliessen();
}

void Form4::spielschliessen() {
    Zeit1.interval = kIdleInterval;
    Zeit1.enabled = false;
    services_.windows.hide(*this);
    services_.windows.show(trainer_);
}

// --- the looks of the controls ---

rt::PictureBox Form4::arrow(std::string name, int left, std::string icon) {
    return rt::makePicture(std::move(name), left, 120, 495, 495, rt::kWindowBackground,
                           std::move(icon));
}

rt::Label Form4::zielanzeige() {
    rt::Label l = rt::makeLabel("Bezeichnung3", 3480, 120, 375, 495, 24, kRed, kGamePink, "0",
                                rt::Align::Right);
    l.border = true;
    return l;
}

rt::Shape Form4::tempoRahmen() {
    rt::Shape s = rt::makeBar("Figur1", 4200, 120, 2895, 495, kGamePink);
    s.borderColor = kBlack;
    return s;
}

rt::ScrollBar Form4::tempoRegler() {
    rt::ScrollBar bar("HBildlauf1", 5040, 240, 1095, 255);
    bar.min = 1;
    bar.max = 10;
    bar.value = 7;
    bar.smallChange = 1;
    bar.largeChange = 1;
    return bar;
}

rt::Shape Form4::spielfeldRahmen() {
    rt::Shape s("Figur2", 120, 720, 6975, 4215);
    s.borderColor = kBlack;
    s.filled = false;
    return s;
}

rt::Timer Form4::zeitgeber() {
    rt::Timer t("Zeit1");
    t.enabled = false;
    t.interval = kIdleInterval;
    return t;
}

}  // namespace games
