#include "driver/game_invariants.h"

#include <set>
#include <string>

#include "runtime/conversions.h"

namespace driver {

namespace {

constexpr const char* kAllDigits = "0123456789";
// Where fangspielstarten puts the cross and the digits before the first tick.
constexpr int kCrossStartColumn = 14;
constexpr int kCrossStartRow = 9;

std::string cell(int column, int row) {
    return "(" + std::to_string(column) + ", " + std::to_string(row) + ")";
}

bool insideField(int column, int row) {
    return column >= games::kFirstColumn && column <= games::kLastColumn &&
           row >= games::kFirstRow && row <= games::kLastRow;
}

std::string digitsWrong(const games::Modul1& m) {
    const std::string all = kAllDigits;
    const std::size_t n = m.fangzahlen.size();
    if (n > all.size() || all.compare(all.size() - n, n, m.fangzahlen) != 0)
        return "digits to catch \"" + m.fangzahlen + "\"";
    std::set<int> columns, rows;
    for (std::size_t i = 1; i <= n; ++i) {
        const int column = m.zahlspalte[i], row = m.zahlzeile[i];
        if (!insideField(column, row))
            return "digit " + m.fangzahlen.substr(i - 1, 1) + " at " + cell(column, row);
        if (!columns.insert(column).second || !rows.insert(row).second)
            return "digit " + m.fangzahlen.substr(i - 1, 1) + " at " + cell(column, row) +
                   " shares a column or a row";
    }
    return "";
}

// The game as fangspielstarten leaves it, before any tick or move.
bool untouched(const games::Modul1& m) {
    if (m.fangzahlen != kAllDigits || m.kreuzspalte != kCrossStartColumn ||
        m.kreuzzeile != kCrossStartRow)
        return false;
    for (std::size_t i = 1; i <= 10; ++i)
        if (m.zahlspalte[i] != static_cast<int>(i) + 3 || m.zahlzeile[i] != static_cast<int>(i) + 3)
            return false;
    return true;
}

bool isDigits(const std::string& s, char low, char high) {
    for (char c : s)
        if (c < low || c > high)
            return false;
    return true;
}

// "0" for none, else the card number after its blank, " 1" to " 18"; 0 for none,
// -1 if badly formed.
int openCard(const std::string& field) {
    if (field == "0")
        return 0;
    if (field.size() < 2 || field[0] != ' ' || field[1] == '0' ||
        !isDigits(field.substr(1), '0', '9') || field.size() > 3)
        return -1;
    const int n = std::stoi(field.substr(1));
    return n >= 1 && n <= games::kCards ? n : -1;
}

std::string quoted(const char* name, const std::string& value) {
    return std::string(name) + " \"" + value + "\"";
}

}  // namespace

std::string memoryWrong(games::Memo& g) {
    if (g.Bezeichnung20 != "0" && g.Bezeichnung20 != "1")
        return quoted("Bezeichnung20", g.Bezeichnung20);
    if (!g.Bezeichnung25.empty()) {
        const std::string& s = g.Bezeichnung25;
        if (s.size() > 2 || s[0] == '0' || !isDigits(s, '0', '9') || std::stoi(s) > games::kCards)
            return quoted("Bezeichnung25", s);
    }
    const bool dealtOnce = !g.Bezeichnung21.empty();
    if (!dealtOnce) {
        // Before the first deal nothing is open and nothing is shown.
        if (g.Bezeichnung20 != "0" || !g.Bezeichnung22.empty() || !g.Bezeichnung23.empty() ||
            !g.Bezeichnung24.empty())
            return "state before the first deal: " + quoted("Bezeichnung20", g.Bezeichnung20);
        for (int n = 1; n <= games::kCards; ++n)
            if (!g.karte(n).caption.empty())
                return "card " + std::to_string(n) + " shows \"" + g.karte(n).caption +
                       "\" before the deal";
        return "";
    }
    const std::string& numbers = g.Bezeichnung21;
    if (numbers.size() != static_cast<std::size_t>(games::kCards) || !isDigits(numbers, '1', '9'))
        return quoted("Bezeichnung21", numbers);
    for (char d = '1'; d <= '9'; ++d)
        if (std::count(numbers.begin(), numbers.end(), d) != 2)
            return quoted("Bezeichnung21", numbers) + " has not two cards of " + std::string(1, d);
    const std::string& inPlay = g.Bezeichnung22;
    if (inPlay.size() != static_cast<std::size_t>(games::kCards) || !isDigits(inPlay, '0', '1'))
        return quoted("Bezeichnung22", inPlay);
    for (std::size_t a = 0; a < numbers.size(); ++a)
        for (std::size_t b = a + 1; b < numbers.size(); ++b)
            if (numbers[a] == numbers[b] && inPlay[a] != inPlay[b])
                return quoted("Bezeichnung22", inPlay) + " has half a pair found, cards " +
                       std::to_string(a + 1) + " and " + std::to_string(b + 1);
    const int first = openCard(g.Bezeichnung23), second = openCard(g.Bezeichnung24);
    if (first < 0 || second < 0)
        return quoted("Bezeichnung23", g.Bezeichnung23) + ", " +
               quoted("Bezeichnung24", g.Bezeichnung24);
    if ((second > 0 && first == 0) || (second > 0 && second == first))
        return "open cards " + std::to_string(first) + " and " + std::to_string(second);
    for (int open : {first, second})
        if (open > 0 && inPlay[static_cast<std::size_t>(open - 1)] != '1')
            return "open card " + std::to_string(open) + " is of a found pair";
    // The cards: face down unless open or found; face up with their own number.
    for (int n = 1; n <= games::kCards; ++n) {
        const std::string& shown = g.karte(n).caption;
        const int d = numbers[static_cast<std::size_t>(n - 1)] - '0';
        const bool faceUp =
            g.Bezeichnung20 == "1" &&
            (n == first || n == second || inPlay[static_cast<std::size_t>(n - 1)] == '0');
        const std::string face = std::to_string(d) + " +" + rt::str(10 - d);
        if (shown != (faceUp ? face : ""))
            return "card " + std::to_string(n) + " shows \"" + shown + "\", face " +
                   (faceUp ? "up" : "down") + " with " + face;
    }
    return "";
}

std::vector<Invariant> catchingGameInvariants(trainer::Form2& t, const ProgramWindows& windows) {
    return {
        {"the digits to catch lie apart inside the field", [&t] { return digitsWrong(t.modul1); }},
        {"the cross stays inside the field",
         [&t]() -> std::string {
             // Until the first catching game places it, the cross has no cell; the
             // memory deal uses its column meanwhile.
             if (!t.Form4.exists())
                 return "";
             const games::Modul1& m = t.modul1;
             return insideField(m.kreuzspalte, m.kreuzzeile)
                        ? ""
                        : "cross at " + cell(m.kreuzspalte, m.kreuzzeile);
         }},
        {"the catching game's timer runs only while its window is shown",
         [&t, &windows]() -> std::string {
             if (!t.Form4.exists() || !t.Form4->Zeit1.enabled)
                 return "";
             return windows.isShown(t.Form4.get()) ? "" : "the timer runs behind a hidden window";
         }},
        // The display keeps what it showed before until the first tick or move of a
        // game, and both come only while the game is shown: the memory deal, which
        // moves the cross's column behind the hidden game, is neither.
        {"the target display shows the next digit to catch",
         [&t, &windows, moved = false]() mutable -> std::string {
             if (!t.Form4.exists() || untouched(t.modul1)) {
                 moved = false;
                 return "";
             }
             if (windows.isShown(t.Form4.get()))
                 moved = true;
             if (!moved)
                 return "";
             const std::string next = t.modul1.fangzahlen.substr(0, 1);
             const std::string& shown = t.Form4->Bezeichnung3.caption;
             return shown == next ? "" : "shows \"" + shown + "\", next is \"" + next + "\"";
         }},
    };
}

std::vector<Invariant> memoryInvariants(trainer::Form2& t) {
    return {{"the memory game's state and cards agree",
             [&t]() -> std::string { return t.memo.exists() ? memoryWrong(t.memo.get()) : ""; }}};
}

}  // namespace driver
