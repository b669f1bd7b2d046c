// The looks shared by groups of controls of the trainer window.
#include <string>

#include "trainer/form2.h"

namespace trainer {

rt::CommandButton Form2::digitButton(int number) {
    const int digit = number - 2;
    rt::CommandButton b = rt::makeButton("Befehl" + std::to_string(number), std::to_string(digit),
                                         960 + 600 * digit, 4560, 495, 495, 12);
    b.dragOnPress = true;
    b.description = "Ziffer zum Ziehen";
    return b;
}

rt::Label Form2::numberCell(std::string name, int left, int top) {
    return rt::makeLabel(std::move(name), left, top, 495, 495, 24, kDarkBlue, kBoardBlue);
}

rt::Label Form2::carryCell(std::string name, int left, int top, std::string role) {
    rt::Label l = rt::makeLabel(std::move(name), left, top, 495, 375, 12, kRed, kLightGrey);
    l.description = std::move(role);
    return l;
}

rt::Label Form2::differenceCell(std::string name, int left, int top, int height, std::string role) {
    rt::Label l = rt::makeLabel(std::move(name), left, top, 495, height, 24, kCyan, kBoardBlue);
    l.description = std::move(role);
    return l;
}

rt::Label Form2::headerLabel() {
    rt::Label l = rt::makeLabel("Bezeichnung20", kHeaderOneSubtrahend, 960, 1695, 495, 24,
                                kBoardBlue, kWindowPink, "H  Z  E", rt::Align::Left);
    l.border = true;
    return l;
}

rt::Label Form2::hiddenLabel(rt::Label label) {
    label.visible = false;
    return label;
}

rt::Label Form2::counterLabel(std::string name, rt::PictureBox& box) {
    rt::Label l = rt::makeLabel(std::move(name), 60, 120, 375, 255, 8.25, kWhite, kGreen, "0");
    l.container = &box;
    return l;
}

rt::Label Form2::rewardNotice(std::string name, rt::Colour text) {
    return hiddenLabel(rt::makeLabel(std::move(name), 960, 5160, 5895, 375, 13.5, text, kBlack,
                                     "Du hast eine Belohnung, klicke hier . . ."));
}

rt::Label Form2::gapCell(int n, int left, int top) {
    const bool carry = n >= 7 && n <= 9;
    rt::Label l = carry ? rt::makeLabel("", left, top, 495, 375, 12, kRed, kLightGrey)
                        : rt::makeLabel("", left, top, 495, 495, 24, kDarkBlue, kWindowPink);
    l.name = "luecke" + std::to_string(n);
    l.caption = std::to_string(n);
    l.container = &Bild6;
    // The thousands column of the panel is never shown.
    l.visible = n != 9 && n != 13;
    static const char* const kRoles[] = {
        "Ergebnis, Einer",   "Ergebnis, Zehner",    "Ergebnis, Hunderter",
        "Subtrahend, Einer", "Subtrahend, Zehner",  "Subtrahend, Hunderter",
        "Übertrag, Zehner",  "Übertrag, Hunderter", "Übertrag, Tausender",
        "Minuend, Einer",    "Minuend, Zehner",     "Minuend, Hunderter",
        "Minuend, Tausender"};
    l.description = kRoles[n - 1];
    return l;
}

rt::Label Form2::panelMinus() {
    rt::Label l =
        rt::makeLabel("Bezeichnung27", 1440, 1080, 495, 615, 24, kDarkBlue, kBoardBlue, "_");
    l.container = &Bild6;
    return l;
}

rt::Line Form2::panelLine() {
    rt::Line l = rt::makeLine("Linie5", 4320, 2520, 1440, 2520, 3, kBlack);
    l.container = &Bild6;
    return l;
}

rt::PictureBox Form2::panelMarker() {
    rt::PictureBox p = rt::makePicture("ltasten", kPanelMarkerParkedLeft, kPanelMarkerParkedTop,
                                       495, 495, kMarkerCyan, "ball");
    p.container = &Bild6;
    return p;
}

rt::CommandButton Form2::sheetButton(std::string name, std::string caption, int left, int width) {
    rt::CommandButton b =
        rt::makeButton(std::move(name), std::move(caption), left, 120, width, 495, 8.25);
    b.container = &Bild3;
    return b;
}

rt::ListBox Form2::sheetList() {
    rt::ListBox l("Liste5", kSheetParked, 720, 5895, 4830);
    l.backColor = kBoardBlue;
    l.foreColor = 0x00FFFF;  // yellow
    // Fixed width, so that the columns of the sheet line up.
    l.font = {"Courier New", 9.75, true, false};
    return l;
}

}  // namespace trainer
