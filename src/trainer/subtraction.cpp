// New subtraction exercises: drawing the digits, storing the exercise and working
// out the carries; the "-" and "- -" buttons that choose the layout.

#include "runtime/conversions.h"
#include "trainer/form2.h"
#include "trainer/stored_lines.h"

namespace trainer {

int Form2::ziehen(int range, int offset) {
    return rt::drawWhole(services_.random, range, offset);
}

int Form2::ziehenInZelle(rt::Label& cell, int range, int offset) {
    const int digit = ziehen(range, offset);
    cell.caption = std::to_string(digit);
    return digit;
}

void Form2::felderleeren() {
    for (rt::Label* cell :
         {&Bezeichnung1, &Bezeichnung2, &Bezeichnung3, &Bezeichnung4, &Bezeichnung5, &Bezeichnung6,
          &Bezeichnung7, &Bezeichnung8, &Bezeichnung9, &Bezeichnung10, &Bezeichnung11,
          &Bezeichnung12, &Bezeichnung13}) {
        cell->caption.clear();
    }
}

void Form2::minusaufgabe() {
    if (Bild6.top == kGapPanelShown) {
        lueckenaufgabe();
        return;
    }
    auswahlBeenden();
    felderleeren();
    services_.random.reseed();

    // Each digit is shown as soon as it is drawn; a rejected draw is drawn again
    // whole, without a new seed.
    long long a = 0, b = 0, c = 0;
    for (;;) {
        a = 100 * ziehenInZelle(Bezeichnung1, 5, 5);
        a += 10 * ziehenInZelle(Bezeichnung2, 10, 0);
        a += ziehenInZelle(Bezeichnung3, 10, 0);
        b = 100 * ziehenInZelle(Bezeichnung4, 4, 1);
        b += 10 * ziehenInZelle(Bezeichnung5, 10, 0);
        b += ziehenInZelle(Bezeichnung6, 10, 0);
        c = 100 * ziehenInZelle(Bezeichnung19, 5, 5);
        c += 10 * ziehenInZelle(Bezeichnung18, 10, 0);
        c += ziehenInZelle(Bezeichnung17, 10, 0);

        // Every accepted difference has at least two digits.
        if (Bezeichnung20.left == kHeaderOneSubtrahend && a - b < 10)
            continue;
        if (Bezeichnung20.left == kHeaderTwoSubtrahends && c - a - b < 10)
            continue;
        break;
    }

    Liste1.clear();
    Liste2.clear();
    Liste2.push_back(storedLine(c));
    Liste2.push_back(storedLine(a));
    Liste1.push_back(storedLine(a));
    Liste2.push_back(storedLine(b));
    Liste1.push_back(storedLine(b));
    Liste1.push_back(storedLine(a - b));
    Liste2.push_back(storedLine(c - a - b));
    behalterechnen();
}

// The carries of the column addition subtrahend(s) + difference = minuend, from the
// ones column leftwards; each new carry goes in front.
void Form2::behalterechnen() {
    const auto digitAt = [](const std::string& line, int k) {
        return static_cast<long long>(rt::val(characterOf(line, k)));
    };
    const auto carries = [&](const std::vector<std::string>& rows) {
        long long carriedIn = 0;
        std::string result;
        for (int k = 4; k >= 2; --k) {
            long long sum = carriedIn;
            for (const std::string& row : rows) sum += digitAt(row, k);
            const std::string carry = carryOf(sum);
            carriedIn = static_cast<long long>(rt::val(carry));
            result = carry + result;
        }
        return result;
    };
    behalte1 = carries({lineOf(Liste1, 1), lineOf(Liste1, 2)});
    behalte2 = carries({lineOf(Liste2, 1), lineOf(Liste2, 2), lineOf(Liste2, 3)});
}

void Form2::Befehl21_Click() {
    layoutWaehlen(kHeaderOneSubtrahend);
}

void Form2::Befehl20_Click() {
    layoutWaehlen(kHeaderTwoSubtrahends);
}

// The panel is parked and the layout switched before the new exercise is drawn,
// so its acceptance test and stored lines follow the new layout.
void Form2::layoutWaehlen(int headerLeft) {
    Bild6.top = kGapPanelParked;
    Bezeichnung20.left = headerLeft;
    for (rt::Label* cell : {&Bezeichnung7, &Bezeichnung8, &Bezeichnung9, &Bezeichnung10,
                            &Bezeichnung11, &Bezeichnung12, &Bezeichnung13}) {
        cell->caption.clear();
    }
    Bezeichnung21.visible = headerLeft == kHeaderTwoSubtrahends;
    minusaufgabe();
}

}  // namespace trainer
