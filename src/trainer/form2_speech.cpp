// What a screen reader says for the trainer's controls: a name where the shown
// text is a sign or there is none, and each control's role in a few words.
#include "trainer/form2.h"

namespace trainer {

namespace {

void say(rt::Control& control, std::string name, std::string role) {
    control.accessibleName = std::move(name);
    control.description = std::move(role);
}

void sayRole(rt::Control& control, std::string role) {
    control.description = std::move(role);
}

}  // namespace

void Form2::nameForScreenReaders() {
    sayRole(Befehl1, "Programm beenden");
    sayRole(Befehl15, "Hilfe zum Üben");
    say(Befehl21, "Minus", "Aufgaben mit einer Zahl zum Abziehen");
    say(Befehl20, "Minus Minus", "Aufgaben mit zwei Zahlen zum Abziehen");
    sayRole(Befehl13, "Lückenaufgaben ein oder aus");
    sayRole(Befehl14, "Arbeitsblatt mit 30 Aufgaben");
    sayRole(Befehl12, "Programminformation");

    // The top row is the minuend when two numbers are taken away; the middle row
    // is the minuend or the first subtrahend; the row above the rule is always
    // taken away.
    sayRole(Bezeichnung19, "Minuend, Hunderter");
    sayRole(Bezeichnung18, "Minuend, Zehner");
    sayRole(Bezeichnung17, "Minuend, Einer");
    sayRole(Bezeichnung1, "Zahl, Hunderter");
    sayRole(Bezeichnung2, "Zahl, Zehner");
    sayRole(Bezeichnung3, "Zahl, Einer");
    sayRole(Bezeichnung4, "Subtrahend, Hunderter");
    sayRole(Bezeichnung5, "Subtrahend, Zehner");
    sayRole(Bezeichnung6, "Subtrahend, Einer");
    sayRole(Bezeichnung20, "Stellen: Hunderter, Zehner, Einer");
    for (rt::Label* sign : {&Bezeichnung14, &Bezeichnung21, &Bezeichnung27})
        say(*sign, "minus", "Rechenzeichen");

    say(Bezeichnung24, "R", "richtig");
    say(Bild4, "Punkte", "Zähler der Punkte");
    sayRole(Bezeichnung22, "Punkte");
    say(Bild5, "Fehler", "Zähler der Fehler");
    sayRole(Bezeichnung23, "Fehler");
    say(Bezeichnung25, "F", "Fehler");

    say(Bild2, "Mond", "Ziel der Rakete");
    say(Bild1, "Rakete", "steigt mit jeder gelösten Aufgabe");
    sayRole(Bezeichnung26, "Belohnung, zum Spielen anklicken");
    sayRole(Bezeichnung28, "Belohnung, zum Spielen anklicken");

    for (rt::PictureBox* marker : {&tasten, &ltasten})
        say(*marker, "Markierung", "ausgewählte Zelle: Ziffer tippen oder hierher ziehen");
    say(Bild6, "Lückenaufgabe", "drei Ziffern fehlen");

    // The worksheet's tool panel and the sheet itself.
    say(Bild3, "Arbeitsblatt", "Knöpfe zum Arbeitsblatt");
    sayRole(Befehl16, "Arbeitsblatt schließen");
    sayRole(Befehl17, "Blatt mit den Aufgaben drucken");
    sayRole(Befehl18, "Blatt mit den Lösungen drucken");
    sayRole(Befehl19, "Aufgaben und Lösungen in die Zwischenablage kopieren");
    say(Liste5, "Rechenblatt", "30 Aufgaben mit ihren Lösungen, Zeile für Zeile");
}

}  // namespace trainer
