// The worksheet over the board: "Blatt" builds it, "Abbruch" puts it away, and the
// panel's other buttons print it (behind the code word while the info window's
// switch is ticked) or copy it to the clipboard.
#include <string>

#include "sheets/worksheet.h"
#include "trainer/form2.h"

namespace trainer {

namespace {

rt::MessageBox box(std::string prompt, std::string title, rt::Icon icon = rt::Icon::None) {
    return {std::move(prompt), std::move(title), rt::Buttons::Ok, icon, false};
}

}  // namespace

void Form2::Befehl14_Click() {
    rechenblatt();
}

void Form2::rechenblatt() {
    // The board behind the sheet cannot be seen: a selection made before must not
    // take keys now.
    auswahlBeenden();
    Liste5.clear();
    Liste5.left = kSheetShown;
    for (std::string& line : sheets::rechenblatt(services_.random)) Liste5.addItem(std::move(line));
    Bild3.left = kSheetShown;
}

void Form2::Befehl16_Click() {
    Bild3.left = kSheetParked;
    Liste5.left = kSheetParked;
    Liste5.clear();
}

void Form2::Befehl17_Click() {
    if (druckFreigegeben())
        blattDrucken(false);
}

void Form2::Befehl18_Click() {
    if (druckFreigegeben())
        blattDrucken(true);
}

void Form2::Befehl19_Click() {
    services_.clipboard.clear();
    services_.clipboard.setText(sheets::ablagetext(Liste5.lines));
    services_.dialogs.msgBox(
        box("Die Rechenaufgaben und die Lösungen wurden in die Ablage kopiert.\r"
            "(Beim Einfügen muss die Schriftart 'COURIER NEW' gesetzt werden!)\r\r",
            "Zwischenablage"));
}

bool Form2::druckFreigegeben() {
    // Reading the switch makes the info window, unseen, if it does not exist yet;
    // a new window's switch is ticked.
    if (!ZOBLABEL->druckGesperrt())
        return true;
    const std::string kennwort =
        services_.dialogs.inputBox("Kennwort eingeben:", "Druckersperre aufheben", "Mqhxndzq");
    // The code word is the points counter as shown, character for character.
    // Cancel gives "", which never matches. The release holds for this click only.
    return !kennwort.empty() && kennwort == Bezeichnung22.caption;
}

void Form2::blattDrucken(bool mitLoesungen) {
    const std::string blatt = mitLoesungen ? "Lösungsblatt" : "Rechenblatt";
    const rt::Answer answer =
        services_.dialogs.msgBox({"Das " + blatt + " jetzt ausdrucken?\r\r", "Minuskolonne",
                                  rt::Buttons::YesNo, rt::Icon::Question, true});
    if (answer == rt::Answer::No)
        return;

    rt::Printer& printer = services_.printer;
    sheets::seiteDrucken(printer, "Minuskolonne (" + blatt + ")",
                         mitLoesungen ? Liste5.lines : sheets::aufgabenblatt(Liste5.lines));
    if (printer.endDoc()) {
        services_.dialogs.msgBox(box("Das " + blatt + " wird gedruckt ...\r\r", "Drucken"));
        return;
    }
    alsPdfAnbieten(blatt, blatt + ".pdf");
}

void Form2::alsPdfAnbieten(const std::string& blatt, const std::string& dateiname) {
    // No printer took the page: it can still be kept as a file and printed later.
    const rt::Answer answer = services_.dialogs.msgBox(
        {"Das " + blatt +
             " konnte nicht gedruckt werden, weil kein Drucker bereit ist.\r\r"
             "Soll es stattdessen als PDF-Datei gespeichert werden?\r"
             "Die Datei lässt sich später öffnen und drucken.\r\r",
         "Drucken", rt::Buttons::YesNo, rt::Icon::Exclamation, false});
    if (answer == rt::Answer::No)
        return;
    const std::string path = services_.dialogs.saveFileName(blatt + " als PDF-Datei speichern",
                                                            dateiname, "PDF-Dokumente (*.pdf)");
    if (path.empty()) {
        services_.dialogs.msgBox(
            box("Das " + blatt + " wurde nicht gedruckt und nicht gespeichert.\r\r", "Drucken"));
        return;
    }
    if (!services_.printer.saveAsPdf(path)) {
        services_.dialogs.msgBox(box("Das " + blatt + " konnte nicht gespeichert werden:\r" + path +
                                         "\r\rEs wurde nichts gedruckt.\r\r",
                                     "Drucken", rt::Icon::Critical));
        return;
    }
    services_.dialogs.msgBox(
        box("Das " + blatt + " wurde als PDF-Datei gespeichert:\r" + path + "\r\r", "Drucken",
            rt::Icon::Information));
}

}  // namespace trainer
