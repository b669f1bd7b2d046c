#include "trainer/form2.h"

#include <string>

#include "runtime/placement.h"

namespace trainer {

Form2::Form2(rt::Services& services) : rt::Form("Form2", 7845, 5685), services_(services) {
    caption = "Minuskolonne";
    backColor = kWindowPink;
    icon = "window";

    // Back to front; picture boxes and buttons stand in front of every label,
    // line and shape whatever their place here.
    addControls({&Figur2,        &Figur1,        &Figur3,        &Linie2,        &Linie3,
                 &Linie6,        &Linie7,        &Linie1,        &Bezeichnung19, &Bezeichnung18,
                 &Bezeichnung17, &Bezeichnung20, &Bezeichnung1,  &Bezeichnung2,  &Bezeichnung3,
                 &Bezeichnung4,  &Bezeichnung5,  &Bezeichnung6,  &Bezeichnung8,  &Bezeichnung9,
                 &Bezeichnung11, &Bezeichnung12, &Bezeichnung13, &Bezeichnung7,  &Bezeichnung10,
                 &Bezeichnung14, &Bezeichnung21, &Bezeichnung24, &Linie4,        &Bezeichnung25,
                 &Bezeichnung26, &Bezeichnung28, &Befehl1,       &Befehl15,      &Befehl21,
                 &Befehl20,      &Befehl13,      &Befehl14,      &Befehl12});
    for (rt::CommandButton* button : ziffern()) addControls({button});
    addControls({&Bild4,         &Bezeichnung22, &Bild5,    &Bezeichnung23, &Bild2,    &Bild1,
                 &tasten,        &Bild6,         &luecke12, &luecke11,      &luecke10, &luecke13,
                 &Bezeichnung27, &luecke6,       &luecke5,  &luecke4,       &luecke9,  &luecke8,
                 &luecke7,       &Linie5,        &luecke3,  &luecke2,       &luecke1,  &ltasten});
    // The worksheet stands in front of everything else.
    addControls({&Bild3, &Befehl16, &Befehl17, &Befehl18, &Befehl19, &Liste5});

    nameForScreenReaders();

    Befehl1.onClick = [this] { Befehl1_Click(); };
    Befehl15.onClick = [this] { Befehl15_Click(); };
    Befehl12.onClick = [this] { Befehl12_Click(); };
    Befehl21.onClick = [this] { Befehl21_Click(); };
    Befehl20.onClick = [this] { Befehl20_Click(); };
    Befehl13.onClick = [this] { Befehl13_Click(); };
    Befehl14.onClick = [this] { Befehl14_Click(); };
    Befehl16.onClick = [this] { Befehl16_Click(); };
    Befehl17.onClick = [this] { Befehl17_Click(); };
    Befehl18.onClick = [this] { Befehl18_Click(); };
    Befehl19.onClick = [this] { Befehl19_Click(); };

    Bezeichnung11.onClick = [this] { Bezeichnung11_Click(); };
    Bezeichnung12.onClick = [this] { Bezeichnung12_Click(); };
    Bezeichnung13.onClick = [this] { Bezeichnung13_Click(); };
    Bezeichnung8.onClick = [this] { Bezeichnung8_Click(); };
    Bezeichnung9.onClick = [this] { Bezeichnung9_Click(); };
    Bezeichnung11.onDragDrop = [this](const rt::Control& s) { Bezeichnung11_DragDrop(s); };
    Bezeichnung12.onDragDrop = [this](const rt::Control& s) { Bezeichnung12_DragDrop(s); };
    Bezeichnung13.onDragDrop = [this](const rt::Control& s) { Bezeichnung13_DragDrop(s); };
    Bezeichnung8.onDragDrop = [this](const rt::Control& s) { Bezeichnung8_DragDrop(s); };
    Bezeichnung9.onDragDrop = [this](const rt::Control& s) { Bezeichnung9_DragDrop(s); };
    tasten.onClick = [this] { tasten_Click(); };
    tasten.onDragDrop = [this](const rt::Control& s) { tasten_DragDrop(s); };

    const auto cells = luecken();
    for (int n = 1; n <= 13; ++n) {
        rt::Label& cell = *cells[static_cast<std::size_t>(n - 1)];
        cell.onClick = [this, n] { luecke_Click(n); };
        cell.onDragDrop = [this, n](const rt::Control& s) { luecke_DragDrop(n, s); };
    }
    ltasten.onClick = [this] { ltasten_Click(); };
    ltasten.onDragDrop = [this](const rt::Control& s) { ltasten_DragDrop(s); };

    Bezeichnung26.onClick = [this] { Bezeichnung26_Click(); };
    Bezeichnung28.onClick = [this] { Bezeichnung28_Click(); };
}

void Form2::Form_Activate() {
    rt::placeOnScreen(*this, services_.windows);
    caption = "Minuskolonne";
    minusaufgabe();
}

void Form2::Form_Unload(bool& cancel) {
    // Closing the window asks the same question as "Ende".
    cancel = true;
    Befehl1_Click();
}

void Form2::Befehl1_Click() {
    const rt::Answer answer =
        services_.dialogs.msgBox({"Dieses Programm jetzt beenden?\r\r\r", "Minuskolonne",
                                  rt::Buttons::YesNo, rt::Icon::Critical, true});
    if (answer != rt::Answer::No)
        services_.windows.quit();
}

void Form2::Befehl15_Click() {
    services_.dialogs.msgBox(
        {"Schiebe die Ziffern vom unteren Fensterrand\r"
         "mit der Maus in das gewünschte Lösungsfeld.\r"
         "Für jede richtige Zahl gibt es einen Punkt und\r"
         "alle 50 Punkte gibt es ein Belohnungsspiel.\r",
         "Hilfe", rt::Buttons::Ok, rt::Icon::None, false});
}

void Form2::Befehl12_Click() {
    services_.windows.show(ZOBLABEL.get());
}

}  // namespace trainer
