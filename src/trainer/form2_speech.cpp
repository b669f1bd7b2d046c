// What a screen reader says for the trainer's controls: a name where the shown
// text is a sign or there is none, and each control's role in a few words.
#include "runtime/speech.h"
#include "trainer/form2.h"

namespace trainer {

void Form2::nameForScreenReaders() {
    rt::sayRole(Befehl1, "Programm beenden");
    rt::sayRole(Befehl15, "Hilfe zum Üben");
    rt::say(Befehl21, "Minus", "Aufgaben mit einer Zahl zum Abziehen");
    rt::say(Befehl20, "Minus Minus", "Aufgaben mit zwei Zahlen zum Abziehen");
    rt::sayRole(Befehl13, "Lückenaufgaben ein oder aus");
    rt::sayRole(Befehl14, "Arbeitsblatt mit 30 Aufgaben");
    rt::sayRole(Befehl12, "Programminformation");

    // The top row is the minuend when two numbers are taken away; the middle row
    // is the minuend or the first subtrahend; the row above the rule is always
    // taken away.
    rt::sayRole(Bezeichnung19, "Minuend, Hunderter");
    rt::sayRole(Bezeichnung18, "Minuend, Zehner");
    rt::sayRole(Bezeichnung17, "Minuend, Einer");
    rt::sayRole(Bezeichnung1, "Zahl, Hunderter");
    rt::sayRole(Bezeichnung2, "Zahl, Zehner");
    rt::sayRole(Bezeichnung3, "Zahl, Einer");
    rt::sayRole(Bezeichnung4, "Subtrahend, Hunderter");
    rt::sayRole(Bezeichnung5, "Subtrahend, Zehner");
    rt::sayRole(Bezeichnung6, "Subtrahend, Einer");
    rt::sayRole(Bezeichnung20, "Stellen: Hunderter, Zehner, Einer");
    for (rt::Label* sign : {&Bezeichnung14, &Bezeichnung21, &Bezeichnung27})
        rt::say(*sign, "minus", "Rechenzeichen");

    rt::say(Bezeichnung24, "R", "richtig");
    rt::say(Bild4, "Punkte", "Zähler der Punkte");
    rt::sayRole(Bezeichnung22, "Punkte");
    rt::say(Bild5, "Fehler", "Zähler der Fehler");
    rt::sayRole(Bezeichnung23, "Fehler");
    rt::say(Bezeichnung25, "F", "Fehler");

    rt::say(Bild2, "Mond", "Ziel der Rakete");
    rt::say(Bild1, "Rakete", "steigt mit jeder gelösten Aufgabe");
    rt::sayRole(Bezeichnung26, "Belohnung, zum Spielen anklicken");
    rt::sayRole(Bezeichnung28, "Belohnung, zum Spielen anklicken");

    for (rt::PictureBox* marker : {&tasten, &ltasten})
        rt::say(*marker, "Markierung", "ausgewählte Zelle: Ziffer tippen oder hierher ziehen");
    rt::say(Bild6, "Lückenaufgabe", "drei Ziffern fehlen");

    // The worksheet's tool panel and the sheet itself.
    rt::say(Bild3, "Arbeitsblatt", "Knöpfe zum Arbeitsblatt");
    rt::sayRole(Befehl16, "Arbeitsblatt schließen");
    rt::sayRole(Befehl17, "Blatt mit den Aufgaben drucken");
    rt::sayRole(Befehl18, "Blatt mit den Lösungen drucken");
    rt::sayRole(Befehl19, "Aufgaben und Lösungen in die Zwischenablage kopieren");
    rt::say(Liste5, "Rechenblatt", "30 Aufgaben mit ihren Lösungen, Zeile für Zeile");
}

}  // namespace trainer
