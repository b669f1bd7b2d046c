#pragma once
// The trainer window: the child's working surface with the exercise board, the
// digit buttons, the counters and the rocket, and the gap panel that lies over the
// board while gap exercises are practised. Controls are declared as in the layout
// tables; the handlers are spread over the files of this folder by job.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "games/form4.h"
#include "games/memo.h"
#include "games/modul1.h"
#include "info/zoblabel.h"
#include "runtime/colours.h"
#include "runtime/form.h"
#include "runtime/form_slot.h"
#include "runtime/make_controls.h"
#include "runtime/services.h"

namespace trainer {

// Colours of the board, 0x00BBGGRR; the rest are the program's own.
inline constexpr rt::Colour kBoardBlue = rt::kLightBlue;
inline constexpr rt::Colour kCyan = 0xFFFF00;
inline constexpr rt::Colour kLightGrey = 0xE0E0E0;
using rt::kBlack;
using rt::kDarkBlue;
using rt::kRed;
using rt::kWhite;
using rt::kWindowPink;
inline constexpr rt::Colour kGreen = 0x008000;
inline constexpr rt::Colour kMarkerCyan = 0xFFFF80;

// The mode flags are positions, tested for these exact values.
inline constexpr int kHeaderOneSubtrahend = 3600;  // Left of the header
inline constexpr int kHeaderTwoSubtrahends = 8040;
inline constexpr int kGapPanelShown = 720;  // Top of the gap panel
inline constexpr int kGapPanelParked = 6000;
inline constexpr int kRocketStart = 4920;  // Top of the rocket
inline constexpr int kSheetParked = 8040;  // Left of the sheet panel and the sheet
inline constexpr int kSheetShown = 960;

// Where each selection marker waits while no cell is selected: the board's out of
// sight below the window, the panel's at the panel's right edge.
inline constexpr int kMarkerParkedLeft = 10800;
inline constexpr int kMarkerParkedTop = 6000;
inline constexpr int kPanelMarkerParkedLeft = 6600;
inline constexpr int kPanelMarkerParkedTop = 0;

// The code of a selected cell: 1 to 5 for the board's answer cells, this offset
// plus 1 to 13 for the gap cells.
inline constexpr int kGapCodeOffset = 10;

class Form2 : public rt::Form {
  public:
    explicit Form2(rt::Services& services);

    // --- window (form2.cpp) ---
    void Form_Activate() override;
    void Form_KeyDown(int keyCode) override;
    void Form_Unload(bool& cancel) override;
    void Befehl1_Click();   // "Ende"
    void Befehl15_Click();  // "Hilfe"
    void Befehl12_Click();  // "Info"

    // --- subtraction exercises (subtraction.cpp) ---
    void minusaufgabe();
    void felderleeren();
    void behalterechnen();
    void Befehl21_Click();  // "-": one subtrahend
    void Befehl20_Click();  // "- -": two subtrahends

    // --- answering on the board (answering.cpp) ---
    void Bezeichnung11_Click() { zelleWaehlen(1); }
    void Bezeichnung12_Click() { zelleWaehlen(2); }
    void Bezeichnung13_Click() { zelleWaehlen(3); }
    void Bezeichnung8_Click() { zelleWaehlen(4); }
    void Bezeichnung9_Click() { zelleWaehlen(5); }
    void Bezeichnung11_DragDrop(const rt::Control& source) { zifferAblegen(1, source); }
    void Bezeichnung12_DragDrop(const rt::Control& source) { zifferAblegen(2, source); }
    void Bezeichnung13_DragDrop(const rt::Control& source) { zifferAblegen(3, source); }
    void Bezeichnung8_DragDrop(const rt::Control& source) { zifferAblegen(4, source); }
    void Bezeichnung9_DragDrop(const rt::Control& source) { zifferAblegen(5, source); }
    void tasten_Click();
    void tasten_DragDrop(const rt::Control& source);
    void ziffersetzen();
    // A right digit for the selected cell, typed or dropped on its marker: written
    // and counted, the marker parked, then the exercise checked.
    void auswahlRichtig();
    void fehler();
    void minuspruefen();

    // --- points and progress (scoring.cpp) ---
    void punkt();
    void aufstieg();
    void aufgabeGeloest(const std::string& title);

    // --- the reward games (rewards.cpp) ---
    void Bezeichnung26_Click();  // first reward: the catching game
    void fangspielstarten();
    void Bezeichnung28_Click();  // second reward: the memory game

    // --- gap exercises (gap_panel.cpp) ---
    void Befehl13_Click();  // "Lücke"
    void lueckenaufgabe();
    void lueckenleeren();
    // The thirteen gap cells share one click and one drop handler; n is 1 to 13.
    void luecke_Click(int n);
    void luecke_DragDrop(int n, const rt::Control& source);
    void ltasten_Click();
    void ltasten_DragDrop(const rt::Control& source);
    void lueckepruefen();

    // --- worksheet, printing and copying (worksheet.cpp) ---
    void Befehl14_Click();  // "Blatt"
    void rechenblatt();
    void Befehl16_Click();  // "Abbruch"
    void Befehl17_Click();  // "Aufgaben drucken"
    void Befehl18_Click();  // "Lösungen drucken"
    void Befehl19_Click();  // "Kopieren"

    // --- top row ---
    rt::CommandButton Befehl1 = rt::makeButton("Befehl1", "Ende", 960, 120, 855, 495, 9.75);
    rt::CommandButton Befehl15 = rt::makeButton("Befehl15", "Hilfe", 1800, 120, 855, 495, 9.75);
    rt::CommandButton Befehl21 = rt::makeButton("Befehl21", "-", 2640, 120, 855, 495, 13.5);
    rt::CommandButton Befehl20 = rt::makeButton("Befehl20", "- -", 3480, 120, 855, 495, 13.5);
    rt::CommandButton Befehl13 = rt::makeButton("Befehl13", "Lücke", 4320, 120, 855, 495, 9.75);
    rt::CommandButton Befehl14 = rt::makeButton("Befehl14", "Blatt", 5160, 120, 855, 495, 9.75);
    rt::CommandButton Befehl12 = rt::makeButton("Befehl12", "Info", 6000, 120, 855, 495, 9.75);

    // --- digit sources "0" to "9" along the bottom ---
    rt::CommandButton Befehl2 = digitButton(2), Befehl3 = digitButton(3), Befehl4 = digitButton(4),
                      Befehl5 = digitButton(5), Befehl6 = digitButton(6), Befehl7 = digitButton(7),
                      Befehl8 = digitButton(8), Befehl9 = digitButton(9),
                      Befehl10 = digitButton(10), Befehl11 = digitButton(11);

    // --- board frame and decorations ---
    rt::Line Linie2 = rt::makeLine("Linie2", 960, 720, 6840, 720, 1, kBlack);
    rt::Line Linie3 = rt::makeLine("Linie3", 960, 720, 960, 4440, 1, kBlack);
    rt::Line Linie6 = rt::makeLine("Linie6", 6840, 720, 6840, 4440, 1, kBlack);
    rt::Line Linie7 = rt::makeLine("Linie7", 960, 4440, 6840, 4440, 1, kBlack);
    rt::Line Linie1 = rt::makeLine("Linie1", 2400, 3600, 5280, 3600, 3, kBlack);
    rt::Label Bezeichnung14 =
        rt::makeLabel("Bezeichnung14", 2400, 2280, 495, 615, 24, kDarkBlue, kWindowPink, "_");
    rt::Label Bezeichnung21 = hiddenLabel(
        rt::makeLabel("Bezeichnung21", 2400, 1560, 495, 615, 24, kDarkBlue, kWindowPink, "_"));

    // --- board cells: the top row (covered by the header in the one-subtrahend
    // layout), the two number rows, the carries and the difference ---
    rt::Label Bezeichnung19 = numberCell("Bezeichnung19", 3600, 960);
    rt::Label Bezeichnung18 = numberCell("Bezeichnung18", 4200, 960);
    rt::Label Bezeichnung17 = numberCell("Bezeichnung17", 4800, 960);
    rt::Label Bezeichnung20 = headerLabel();
    rt::Label Bezeichnung1 = numberCell("Bezeichnung1", 3600, 1680);
    rt::Label Bezeichnung2 = numberCell("Bezeichnung2", 4200, 1680);
    rt::Label Bezeichnung3 = numberCell("Bezeichnung3", 4800, 1680);
    rt::Label Bezeichnung4 = numberCell("Bezeichnung4", 3600, 2400);
    rt::Label Bezeichnung5 = numberCell("Bezeichnung5", 4200, 2400);
    rt::Label Bezeichnung6 = numberCell("Bezeichnung6", 4800, 2400);
    rt::Label Bezeichnung8 = carryCell("Bezeichnung8", 3600, 3120, "Übertrag, Hunderter");
    rt::Label Bezeichnung9 = carryCell("Bezeichnung9", 4200, 3120, "Übertrag, Zehner");
    rt::Label Bezeichnung11 =
        differenceCell("Bezeichnung11", 3600, 3720, 495, "Ergebnis, Hunderter");
    rt::Label Bezeichnung12 = differenceCell("Bezeichnung12", 4200, 3720, 495, "Ergebnis, Zehner");
    rt::Label Bezeichnung13 = differenceCell("Bezeichnung13", 4800, 3720, 495, "Ergebnis, Einer");
    // The thousands column: out of sight, always empty.
    rt::Label Bezeichnung7 = carryCell("Bezeichnung7", 12120, 6000, "");
    rt::Label Bezeichnung10 = differenceCell("Bezeichnung10", 12120, 6480, 615, "");

    // --- left stripe: points ("R") and errors ("F") ---
    rt::Shape Figur2 = rt::makeBar("Figur2", 120, 120, 735, 5415, kBlack);
    rt::Label Bezeichnung24 =
        rt::makeLabel("Bezeichnung24", 240, 1680, 495, 255, 12, kWhite, kBlack, "R");
    rt::PictureBox Bild4 = rt::makePicture("Bild4", 240, 1920, 495, 495, kBlack, "frame");
    rt::Label Bezeichnung22 = counterLabel("Bezeichnung22", Bild4);
    rt::Line Linie4 = rt::makeLine("Linie4", 240, 2520, 720, 2520, 2, kWhite);
    rt::PictureBox Bild5 = rt::makePicture("Bild5", 240, 2640, 495, 495, kBlack, "frame");
    rt::Label Bezeichnung23 = counterLabel("Bezeichnung23", Bild5);
    rt::Label Bezeichnung25 =
        rt::makeLabel("Bezeichnung25", 240, 3120, 495, 255, 12, kWhite, kBlack, "F");

    // --- right stripe: the rocket climbs towards the moon ---
    rt::Shape Figur1 = rt::makeBar("Figur1", 6960, 120, 735, 5415, kBlack);
    rt::PictureBox Bild2 = rt::makePicture("Bild2", 7080, 240, 495, 615, kBlack, "moon");
    rt::PictureBox Bild1 = rt::makePicture("Bild1", 7080, kRocketStart, 495, 495, kBlack, "rocket");

    // --- reward notices on the bar at the bottom; the grey one stands in front ---
    rt::Shape Figur3 = rt::makeBar("Figur3", 960, 5160, 5895, 375, kBlack);
    rt::Label Bezeichnung26 = rewardNotice("Bezeichnung26", 0x00C000);
    rt::Label Bezeichnung28 = rewardNotice("Bezeichnung28", kLightGrey);

    // --- selection marker of the board; parked out of sight ---
    rt::PictureBox tasten = rt::makePicture("tasten", kMarkerParkedLeft, kMarkerParkedTop, 495, 495,
                                            kMarkerCyan, "ball");

    // --- the gap panel, parked below the client area ---
    rt::PictureBox Bild6 = rt::makePicture("Bild6", 960, kGapPanelParked, 5895, 3735, kBoardBlue);
    rt::Label luecke12 = gapCell(12, 2640, 600), luecke11 = gapCell(11, 3240, 600),
              luecke10 = gapCell(10, 3840, 600), luecke13 = gapCell(13, 2040, 600);
    rt::Label Bezeichnung27 = panelMinus();
    rt::Label luecke6 = gapCell(6, 2640, 1320), luecke5 = gapCell(5, 3240, 1320),
              luecke4 = gapCell(4, 3840, 1320);
    rt::Label luecke9 = gapCell(9, 2040, 2040), luecke8 = gapCell(8, 2640, 2040),
              luecke7 = gapCell(7, 3240, 2040);
    rt::Line Linie5 = panelLine();
    rt::Label luecke3 = gapCell(3, 2640, 2640), luecke2 = gapCell(2, 3240, 2640),
              luecke1 = gapCell(1, 3840, 2640);
    rt::PictureBox ltasten = panelMarker();

    // --- the worksheet: its tool panel and the sheet, parked to the right ---
    rt::PictureBox Bild3 = rt::makePicture("Bild3", kSheetParked, 0, 5895, 615, kWindowPink);
    rt::CommandButton Befehl16 = sheetButton("Befehl16", "Abbruch", 0, 1095);
    rt::CommandButton Befehl17 = sheetButton("Befehl17", "Aufgaben drucken", 1080, 1815);
    rt::CommandButton Befehl18 = sheetButton("Befehl18", "Lösungen drucken", 2880, 1815);
    rt::CommandButton Befehl19 = sheetButton("Befehl19", "Kopieren", 4680, 1215);
    rt::ListBox Liste5 = sheetList();

    // --- the info window, made on first use; it carries the print-lock switch ---
    rt::FormSlot<info::ZOBLABEL> ZOBLABEL{
        [this] { return std::make_unique<info::ZOBLABEL>(services_); }};

    // --- stored state, out of sight ---
    std::vector<std::string> Liste1;  // A, B, A - B
    std::vector<std::string> Liste2;  // C, A, B, C - A - B; or the gap exercise
    std::string behalte1;             // carries of Liste1, e.g. "011"
    std::string behalte2;             // carries of Liste2
    std::string tastenzahl;           // character expected in the selected cell; "" none
    std::string tastenwert;           // code of the selected cell; "" none
    std::string Bezeichnung15;        // errors; "" reads 0
    std::string Bezeichnung16;        // points; "" reads 0

    // --- the games, made on first use and only hidden when left ---
    games::Modul1 modul1;
    rt::FormSlot<games::Form4> Form4{
        [this] { return std::make_unique<games::Form4>(services_, *this, modul1); }};
    rt::FormSlot<games::Memo> memo{
        [this] { return std::make_unique<games::Memo>(services_, *this, modul1); }};

    std::array<rt::Label*, 13> luecken() {
        return {&luecke1, &luecke2, &luecke3,  &luecke4,  &luecke5,  &luecke6, &luecke7,
                &luecke8, &luecke9, &luecke10, &luecke11, &luecke12, &luecke13};
    }
    std::array<rt::CommandButton*, 10> ziffern() {
        return {&Befehl2, &Befehl3, &Befehl4, &Befehl5,  &Befehl6,
                &Befehl7, &Befehl8, &Befehl9, &Befehl10, &Befehl11};
    }

  private:
    // Names and roles for screen readers.
    void nameForScreenReaders();
    // Board answer cells by their code 1 to 5.
    rt::Label& antwortzelle(int code);
    std::string erwartetBeiAuswahl(int code) const;
    std::string erwartetBeiAblage(int code) const;
    std::string differenzzeile() const;
    std::string behalte() const;
    void zelleWaehlen(int code);
    void zifferAblegen(int code, const rt::Control& source);
    // A new exercise ends any selection on either board, so the next digit is
    // never judged against the exercise before.
    void auswahlBeenden();
    void layoutWaehlen(int headerLeft);
    // One step of a counter kept in a hidden and a shown field; returns the new count.
    static long long zaehlen(std::string& hidden, rt::Label& shown);
    int ziehen(int range, int offset);
    // Draws a digit and shows it in the cell at once.
    int ziehenInZelle(rt::Label& cell, int range, int offset);
    // Worksheet output: the lock, and one sheet printed (or saved as PDF).
    bool druckFreigegeben();
    void blattDrucken(bool mitLoesungen);
    void alsPdfAnbieten(const std::string& blatt, const std::string& dateiname);

    static rt::CommandButton digitButton(int number);
    static rt::Label numberCell(std::string name, int left, int top);
    static rt::Label carryCell(std::string name, int left, int top, std::string role);
    static rt::Label differenceCell(std::string name, int left, int top, int height,
                                    std::string role);
    static rt::Label headerLabel();
    static rt::Label hiddenLabel(rt::Label label);
    static rt::Label counterLabel(std::string name, rt::PictureBox& box);
    static rt::Label rewardNotice(std::string name, rt::Colour text);
    rt::Label gapCell(int n, int left, int top);
    rt::Label panelMinus();
    rt::Line panelLine();
    rt::PictureBox panelMarker();
    rt::CommandButton sheetButton(std::string name, std::string caption, int left, int width);
    static rt::ListBox sheetList();

    rt::Services& services_;
};

}  // namespace trainer
