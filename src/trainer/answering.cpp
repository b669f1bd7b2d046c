// Answering a subtraction: digits dropped straight onto a cell, or a cell selected
// by a click and then filled from the keyboard or by a drop onto the marker.
#include "runtime/conversions.h"
#include "trainer/form2.h"
#include "trainer/stored_lines.h"

namespace trainer {

namespace {
// Handlers act only on what a digit button carries.
const rt::CommandButton* asButton(const rt::Control& source) {
    return source.kind == rt::Kind::CommandButton ? static_cast<const rt::CommandButton*>(&source)
                                                  : nullptr;
}

long long cellValue(const rt::Label& cell) {
    return static_cast<long long>(rt::val(cell.caption));
}
}  // namespace

rt::Label& Form2::antwortzelle(int code) {
    switch (code) {
        case 1:
            return Bezeichnung11;
        case 2:
            return Bezeichnung12;
        case 3:
            return Bezeichnung13;
        case 4:
            return Bezeichnung8;
        default:
            return Bezeichnung9;
    }
}

std::string Form2::differenzzeile() const {
    return Bezeichnung20.left == kHeaderTwoSubtrahends ? lineOf(Liste2, 3) : lineOf(Liste1, 2);
}

std::string Form2::behalte() const {
    return Bezeichnung20.left == kHeaderTwoSubtrahends ? behalte2 : behalte1;
}

// Codes 1 to 3 are the hundreds, tens and ones of the difference; 4 and 5 the
// carries into the hundreds and the tens column.
std::string Form2::erwartetBeiAuswahl(int code) const {
    if (code <= 3)
        return characterOf(differenzzeile(), code + 1);
    return characterOf(behalte(), code == 4 ? 2 : 3);
}

// A carry dropped straight onto its cell is judged against the column as it
// stands on the board; the cell itself is not part of its own sum.
std::string Form2::erwartetBeiAblage(int code) const {
    if (code <= 3)
        return erwartetBeiAuswahl(code);
    const bool zwei = Bezeichnung20.left == kHeaderTwoSubtrahends;
    long long sum = 0;
    if (code == 5) {
        sum = cellValue(Bezeichnung6) + cellValue(Bezeichnung13);
        if (zwei)
            sum += cellValue(Bezeichnung3);
    } else {
        sum = cellValue(Bezeichnung5) + cellValue(Bezeichnung9) + cellValue(Bezeichnung12);
        if (zwei)
            sum += cellValue(Bezeichnung2);
    }
    return carryOf(sum);
}

void Form2::zifferAblegen(int code, const rt::Control& source) {
    const rt::CommandButton* button = asButton(source);
    if (!button)
        return;
    rt::Label& cell = antwortzelle(code);
    cell.caption = button->caption;
    const std::string expected = erwartetBeiAblage(code);
    if (cell.caption != expected) {
        // The wrong digit stays in view while the message is open.
        fehler();
        cell.caption.clear();
    } else {
        punkt();
    }
    minuspruefen();
}

void Form2::zelleWaehlen(int code) {
    rt::Label& cell = antwortzelle(code);
    if (!cell.caption.empty())
        return;
    tasten.left = cell.left;
    tasten.top = cell.top;
    tastenzahl = erwartetBeiAuswahl(code);
    tastenwert = std::to_string(code);
}

void Form2::tasten_Click() {
    tasten.left = kMarkerParkedLeft;
    tasten.top = kMarkerParkedTop;
    tastenzahl.clear();
    tastenwert.clear();
}

void Form2::auswahlBeenden() {
    tasten_Click();
    ltasten_Click();
}

void Form2::tasten_DragDrop(const rt::Control& source) {
    const rt::CommandButton* button = asButton(source);
    if (!button)
        return;
    if (button->caption != tastenzahl) {
        fehler();
        return;
    }
    auswahlRichtig();
}

void Form2::Form_KeyDown(int keyCode) {
    if (tastenzahl.empty())
        return;
    // Only the digit keys of the main keyboard give digits; the space bar gives the
    // space that stands for the empty hundreds place of a two-digit difference.
    const std::string key = rt::chr(keyCode);
    if (key != tastenzahl) {
        fehler();
        return;
    }
    auswahlRichtig();
}

// The panel lies over the board while it is shown, so the selection is on the
// panel then and on the board otherwise.
void Form2::auswahlRichtig() {
    ziffersetzen();
    punkt();
    if (Bild6.top == kGapPanelShown) {
        ltasten_Click();
        lueckepruefen();
    } else {
        tasten_Click();
        minuspruefen();
    }
}

void Form2::ziffersetzen() {
    const int code = static_cast<int>(rt::val(tastenwert));
    if (code >= 1 && code <= 5) {
        antwortzelle(code).caption = tastenzahl;
    } else if (code > kGapCodeOffset && code <= kGapCodeOffset + 13) {
        luecken()[static_cast<std::size_t>(code - kGapCodeOffset - 1)]->caption = tastenzahl;
    }
}

void Form2::fehler() {
    services_.dialogs.msgBox({"Das ist leider falsch, rechne nochmal.\r\r", "Fehler",
                              rt::Buttons::Ok, rt::Icon::None, false});
    zaehlen(Bezeichnung15, Bezeichnung23);
}

void Form2::minuspruefen() {
    // With no exercise stored there is nothing to solve.
    if (differenzzeile().empty())
        return;
    const double expected = rt::val(differenzzeile());
    const double entered = rt::val(Bezeichnung10.caption + Bezeichnung11.caption +
                                   Bezeichnung12.caption + Bezeichnung13.caption);
    if (expected != entered)
        return;
    aufgabeGeloest("Minusaufgabe");
    minusaufgabe();
}

}  // namespace trainer
