#pragma once
// "Zahlfange", the first reward game: ten digits jump about the field at every
// tick and the child steers a cross onto them with the arrow pictures or the
// arrow keys, catching them in order from 0 to 9. The trainer prepares each game
// and shows the window; every way out ends by showing the trainer again.

#include "games/modul1.h"
#include "runtime/colours.h"
#include "runtime/form.h"
#include "runtime/make_controls.h"
#include "runtime/services.h"

namespace games {

inline constexpr rt::Colour kGamePink = rt::kWindowPink;
using rt::kBlack;
using rt::kRed;

// The cross and the digits move on a grid of 14-point cells.
inline constexpr int kCellPoints = 14;
inline constexpr int kFirstColumn = 1;
inline constexpr int kLastColumn = 24;
inline constexpr int kFirstRow = 3;
inline constexpr int kLastRow = 16;
inline constexpr int kIdleInterval = 1000;  // ms, while no game runs

class Form4 : public rt::Form {
  public:
    Form4(rt::Services& services, rt::Form& trainer, Modul1& modul1);

    void Form_Activate() override;
    void Form_KeyDown(int keyCode) override;
    // The title bar's close box asks the quit question, as Esc does.
    void Form_Unload(bool& cancel) override;

    void Bild1_Click();    // left
    void Bild2_Click();    // up
    void Bild3_Click();    // down
    void Bild4_Click();    // right
    void Befehl1_Click();  // "ENDE"
    void Zeit1_Timer();
    void HBildlauf1_Change();
    void HBildlauf1_Scroll() { HBildlauf1_Change(); }

    void kreuzloeschen();
    void zahlenzeigen();
    void zahlenloeschen();
    void zahlenverteilen();
    void fangpruefen();
    void spielbeendet();
    void spielschliessen();

    rt::CommandButton Befehl1 = rt::makeButton("Befehl1", "ENDE", 120, 120, 735, 495, 8.25);
    rt::PictureBox Bild1 = arrow("Bild1", 1200, "pfeil_links");
    rt::PictureBox Bild2 = arrow("Bild2", 1680, "pfeil_hoch");
    rt::PictureBox Bild3 = arrow("Bild3", 2160, "pfeil_runter");
    rt::PictureBox Bild4 = arrow("Bild4", 2640, "pfeil_rechts");
    rt::Label Bezeichnung3 = zielanzeige();
    rt::Shape Figur1 = tempoRahmen();
    rt::Label Bezeichnung1 = rt::makeLabel("Bezeichnung1", 4320, 240, 735, 255, 8.25,
                                           rt::kWindowText, kGamePink, "schnell", rt::Align::Left);
    rt::ScrollBar HBildlauf1 = tempoRegler();
    rt::Label Bezeichnung2 = rt::makeLabel("Bezeichnung2", 6240, 240, 735, 255, 8.25,
                                           rt::kWindowText, kGamePink, "langsam", rt::Align::Left);
    rt::Shape Figur2 = spielfeldRahmen();
    rt::Timer Zeit1 = zeitgeber();

  private:
    // Names and roles for screen readers.
    void nameForScreenReaders();
    // Prints a text at a grid cell in the canvas's current colour.
    void drucken(int spalte, int zeile, const std::string& text);
    void kreuzBewegen(int spalten, int zeilen);
    rt::Canvas& canvas() { return services_.windows.canvas(*this); }

    static rt::PictureBox arrow(std::string name, int left, std::string icon);
    static rt::Label zielanzeige();
    static rt::Shape tempoRahmen();
    static rt::ScrollBar tempoRegler();
    static rt::Shape spielfeldRahmen();
    static rt::Timer zeitgeber();

    rt::Services& services_;
    rt::Form& trainer_;
    Modul1& m_;
};

}  // namespace games
