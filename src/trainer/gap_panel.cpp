// Gap exercises: a complete subtraction on the panel over the board with three
// digits missing, which the child fills by drops, clicks and keys.
#include <array>

#include "runtime/conversions.h"
#include "trainer/form2.h"
#include "trainer/stored_lines.h"

namespace trainer {

namespace {
// Where each cell's digit stands in the stored solution, and what it shows when
// blank: line and character of the list, from luecke1 to luecke13.
struct GapCell {
    std::size_t line;
    int character;
    const char* blank;
};
constexpr std::array<GapCell, 13> kGapCells = {{
    {0, 4, ""},
    {0, 3, ""},
    {0, 2, ""},  // difference: ones, tens, hundreds
    {1, 4, ""},
    {1, 3, ""},
    {1, 2, ""},  // subtrahend
    {2, 3, " "},
    {2, 2, " "},
    {2, 1, " "},  // carries: tens, hundreds, thousands
    {3, 4, ""},
    {3, 3, ""},
    {3, 2, ""},
    {3, 1, ""},  // minuend, thousands last
}};

// The three cells left blank, one row per pattern.
constexpr std::array<std::array<int, 3>, 10> kGapPatterns = {{
    {1, 5, 12},
    {4, 2, 6},
    {3, 1, 11},
    {6, 4, 11},
    {1, 2, 6},
    {1, 5, 3},
    {2, 3, 4},
    {1, 5, 6},
    {6, 2, 1},
    {3, 4, 5},
}};
}  // namespace

void Form2::Befehl13_Click() {
    Bild6.top = kGapPanelShown;
    lueckenaufgabe();
}

void Form2::lueckenleeren() {
    for (rt::Label* cell : luecken()) cell->caption.clear();
}

void Form2::lueckenaufgabe() {
    auswahlBeenden();
    lueckenleeren();
    services_.random.reseed();

    // Difference and subtrahend are drawn digit by digit; a minuend above 999 draws
    // all six digits again, without a new seed.
    long long d[3] = {};
    long long s[3] = {};
    for (;;) {
        d[0] = ziehenInZelle(luecke1, 10, 0);
        d[1] = ziehenInZelle(luecke2, 10, 0);
        d[2] = ziehenInZelle(luecke3, 9, 1);
        s[0] = ziehenInZelle(luecke4, 10, 0);
        s[1] = ziehenInZelle(luecke5, 10, 0);
        s[2] = ziehenInZelle(luecke6, 9, 1);
        const long long difference = d[0] + 10 * d[1] + 100 * d[2];
        const long long subtrahend = s[0] + 10 * s[1] + 100 * s[2];
        Liste1.clear();
        Liste2.clear();
        Liste2.push_back(storedLine(difference));
        Liste2.push_back(storedLine(subtrahend));
        Liste2.push_back("    ");
        Liste2.push_back(storedLine(difference + subtrahend));
        if (rt::val(Liste2[3]) <= 999)
            break;
    }

    const std::string& minuend = Liste2[3];
    luecke10.caption = characterOf(minuend, 4);
    luecke11.caption = characterOf(minuend, 3);
    luecke12.caption = characterOf(minuend, 2);
    luecke13.caption = characterOf(minuend, 1);

    // The carries of the column addition difference + subtrahend = minuend, which
    // are the borrows of the subtraction.
    luecke7.caption = "0";
    luecke8.caption = "0";
    luecke9.caption = "0";
    if (d[0] + s[0] >= 10)
        luecke7.caption = "1";
    if (d[1] + s[1] + static_cast<long long>(rt::val(luecke7.caption)) >= 10)
        luecke8.caption = "1";
    if (d[2] + s[2] + static_cast<long long>(rt::val(luecke8.caption)) >= 10)
        luecke9.caption = "1";
    Liste2[2] = luecke9.caption + luecke8.caption + luecke7.caption + " ";
    luecke7.caption = " ";
    luecke8.caption = " ";
    luecke9.caption = " ";

    services_.random.reseed();
    const int k = ziehen(10, 1);
    for (int n : kGapPatterns[static_cast<std::size_t>(k - 1)]) {
        luecken()[static_cast<std::size_t>(n - 1)]->caption.clear();
    }
}

void Form2::luecke_Click(int n) {
    const GapCell& where = kGapCells[static_cast<std::size_t>(n - 1)];
    rt::Label& cell = *luecken()[static_cast<std::size_t>(n - 1)];
    if (cell.caption != where.blank)
        return;
    ltasten.left = cell.left;
    ltasten.top = cell.top;
    tastenzahl = characterOf(lineOf(Liste2, where.line), where.character);
    tastenwert = std::to_string(kGapCodeOffset + n);
}

void Form2::luecke_DragDrop(int n, const rt::Control& source) {
    if (source.kind != rt::Kind::CommandButton)
        return;
    const GapCell& where = kGapCells[static_cast<std::size_t>(n - 1)];
    rt::Label& cell = *luecken()[static_cast<std::size_t>(n - 1)];
    cell.caption = static_cast<const rt::CommandButton&>(source).caption;
    const std::string expected = characterOf(lineOf(Liste2, where.line), where.character);
    if (cell.caption != expected) {
        // The wrong digit stays in view while the message is open.
        fehler();
        cell.caption = where.blank;
    } else {
        punkt();
    }
    lueckepruefen();
}

void Form2::ltasten_Click() {
    ltasten.left = kPanelMarkerParkedLeft;
    ltasten.top = kPanelMarkerParkedTop;
    tastenzahl.clear();
    tastenwert.clear();
}

void Form2::ltasten_DragDrop(const rt::Control& source) {
    const std::string digit = source.kind == rt::Kind::CommandButton
                                  ? static_cast<const rt::CommandButton&>(source).caption
                                  : std::string();
    if (tastenzahl != digit) {
        fehler();
        return;
    }
    auswahlRichtig();
}

void Form2::lueckepruefen() {
    // A blank digit cell adds nothing, so the texts match exactly when every digit
    // cell shows its stored digit; the carries take no part.
    const std::string board = " " + luecke3.caption + luecke2.caption + luecke1.caption + " " +
                              luecke6.caption + luecke5.caption + luecke4.caption +
                              luecke13.caption + luecke12.caption + luecke11.caption +
                              luecke10.caption;
    const std::string solution = lineOf(Liste2, 0) + lineOf(Liste2, 1) + lineOf(Liste2, 3);
    if (Liste2.size() < 4 || board != solution)
        return;
    aufgabeGeloest("Lückenaufgabe");
    lueckenaufgabe();
}

}  // namespace trainer
