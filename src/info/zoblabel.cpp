#include "info/zoblabel.h"
#include "runtime/placement.h"

namespace info {

ZOBLABEL::ZOBLABEL(rt::Services& services) : rt::Form("ZOBLABEL", 3510, 4005), services_(services) {
    caption = "Programm-Info";
    backColor = kWindowPink;
    icon = "window";
    borderStyle = rt::BorderStyle::Dialog;

    // The panel stands behind everything; the picture box in front of the labels.
    addControls({&Figur1, &Bezeichnung5, &Bezeichnung6, &Bezeichnung7, &Bezeichnung1, &Bezeichnung8,
                 &Kontroll1, &Bild1});
    nameForScreenReaders();

    Bezeichnung1.onClick = [this] { Bezeichnung1_Click(); };
    Bild1.onClick = [this] { Bild1_Click(); };
}

void ZOBLABEL::Form_Activate() {
    // Centred across, in the upper part of the screen: a quarter of the free height.
    rt::placeOnScreen(*this, services_.windows, 4);
    Bezeichnung6.caption = std::string("Minuskolonne darf in der Schule und zu Hause ") +
                           "kostenlos genutzt werden." + "\r\n" +
                           "Das Programm sammelt keine Daten und sendet nichts.";
    Bezeichnung7.caption = "Projekt Minuskolonne, 2026\r\nKontakt: siehe README-Datei";
}

void ZOBLABEL::Form_Unload(bool& cancel) {
    // Closed through the title bar: the window goes, and the switch with it.
    services_.windows.hide(*this);
    cancel = false;
}

void ZOBLABEL::Bezeichnung1_Click() {
    Bild1_Click();
}

void ZOBLABEL::Bild1_Click() {
    // Only hidden: the switch keeps the value it was given.
    services_.windows.hide(*this);
}

rt::Label ZOBLABEL::titleLabel() {
    rt::Label l = rt::makeLabel("Bezeichnung5", 240, 240, 3015, 495, 13.5, kWhite, kPanelBlue,
                                "Minuskolonne");
    l.font.bold = false;
    l.font.underline = true;
    return l;
}

rt::Label ZOBLABEL::noticeLabel() {
    rt::Label l = rt::makeLabel("Bezeichnung6", 240, 720, 3015, 975, 8.25, kWhite, kPanelBlue, "",
                                rt::Align::Left);
    l.font.bold = false;
    return l;
}

rt::Label ZOBLABEL::makerLabel() {
    rt::Label l = rt::makeLabel("Bezeichnung7", 240, 1800, 3015, 495, 9.75, kBlack, kWindowPink);
    l.font.bold = false;
    l.border = true;
    return l;
}

rt::CheckBox ZOBLABEL::lockSwitch() {
    rt::CheckBox c("Kontroll1", 240, 2400, 3135, 255);
    c.caption = "  Druckmodus deaktivieren";
    c.value = 1;  // locked whenever the window is made
    c.foreColor = kWhite;
    c.backColor = kPanelBlue;
    c.font.size = 9.75;
    return c;
}

rt::Label ZOBLABEL::okayLabel() {
    rt::Label l =
        rt::makeLabel("Bezeichnung1", 240, 2880, 2175, 495, 18, kWindowPink, kPanelBlue, "O k a y");
    l.font.italic = true;
    return l;
}

rt::Label ZOBLABEL::addressLabel() {
    return rt::makeLabel("Bezeichnung8", 120, 3600, 3255, 255, 8.25, kDarkBlue, kWindowPink,
                         "Mehr dazu in der README-Datei");
}

}  // namespace info
