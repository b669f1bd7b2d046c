#include "driver/trainer_invariants.h"

#include <algorithm>
#include <string>

#include "runtime/conversions.h"

namespace driver {

const GapPlace kGapPlaces[13] = {{0, 4, ""}, {0, 3, ""},  {0, 2, ""},  {1, 4, ""},  {1, 3, ""},
                                 {1, 2, ""}, {2, 3, " "}, {2, 2, " "}, {2, 1, " "}, {3, 4, ""},
                                 {3, 3, ""}, {3, 2, ""},  {3, 1, ""}};

namespace {

using Lines = std::vector<std::string>;

long long number(const std::string& text) {
    return static_cast<long long>(rt::val(text));
}

// A number's digits after two spaces, cut to the last four characters: "  7",
// "  57", " 742", "1234".
bool isStoredLine(const std::string& line) {
    const std::size_t digits = line.size() - std::min(line.find_first_not_of(' '), line.size());
    if (digits == 0 || digits > 4 || line.size() != std::min<std::size_t>(digits + 2, 4))
        return false;
    const std::string number = line.substr(line.size() - digits);
    if (number.size() > 1 && number[0] == '0')
        return false;
    return number.find_first_not_of("0123456789") == std::string::npos;
}

std::string quoted(const Lines& lines) {
    std::string s = "{";
    for (const auto& l : lines) s += "\"" + l + "\" ";
    return s + "}";
}

std::string character(const std::string& line, std::size_t k) {
    return k >= 1 && k <= line.size() ? line.substr(k - 1, 1) : std::string();
}

// The subtraction kept in Liste1 (A, B, A - B) and Liste2 (C, A, B, |C - A - B|).
std::string subtractionLinesWrong(const trainer::Form2& f) {
    const Lines& l1 = f.Liste1;
    const Lines& l2 = f.Liste2;
    if (l1.size() != 3 || l2.size() != 4)
        return "subtraction lines " + quoted(l1) + quoted(l2);
    for (const auto& line : l1)
        if (!isStoredLine(line))
            return "badly formed line in Liste1 " + quoted(l1);
    for (const auto& line : l2)
        if (!isStoredLine(line))
            return "badly formed line in Liste2 " + quoted(l2);
    const long long a = number(l1[0]), b = number(l1[1]), c = number(l2[0]);
    if (a - b != number(l1[2]))
        return "Liste1 does not subtract " + quoted(l1);
    if (l2[1] != l1[0] || l2[2] != l1[1] || std::llabs(c - a - b) != number(l2[3]))
        return "Liste2 does not subtract " + quoted(l2);
    const bool two = f.Bezeichnung20.left == trainer::kHeaderTwoSubtrahends;
    if ((two ? c - a - b : a - b) < 10)
        return "difference of less than two digits " + quoted(l2);
    return "";
}

// The gap exercise in Liste2: difference, subtrahend, carries, minuend.
std::string gapLinesWrong(const trainer::Form2& f) {
    const Lines& l2 = f.Liste2;
    if (!f.Liste1.empty() || l2.size() != 4)
        return "gap lines " + quoted(f.Liste1) + quoted(l2);
    if (!isStoredLine(l2[0]) || !isStoredLine(l2[1]) || !isStoredLine(l2[3]))
        return "badly formed line in Liste2 " + quoted(l2);
    const long long d = number(l2[0]), s = number(l2[1]), m = number(l2[3]);
    if (d + s != m || m > 999)
        return "Liste2 does not add up " + quoted(l2);
    const bool ones = d % 10 + s % 10 >= 10;
    const bool tens = d / 10 % 10 + s / 10 % 10 + ones >= 10;
    const bool hundreds = d / 100 + s / 100 + tens >= 10;
    const std::string carries =
        std::string(hundreds ? "1" : "0") + (tens ? "1" : "0") + (ones ? "1" : "0") + " ";
    if (l2[2] != carries)
        return "carries \"" + l2[2] + "\" for " + quoted(l2);
    return "";
}

std::string boardWrong(const trainer::Form2& f) {
    const auto shows = [](const rt::Label& cell, const std::string& line, std::size_t k) {
        return cell.caption == character(line, k);
    };
    const rt::Label* const rows[2][3] = {{&f.Bezeichnung1, &f.Bezeichnung2, &f.Bezeichnung3},
                                         {&f.Bezeichnung4, &f.Bezeichnung5, &f.Bezeichnung6}};
    for (int row = 0; row < 2; ++row)
        for (std::size_t k = 0; k < 3; ++k)
            if (!shows(*rows[row][k], f.Liste1[static_cast<std::size_t>(row)], k + 2))
                return rows[row][k]->name + " shows \"" + rows[row][k]->caption + "\" against " +
                       quoted(f.Liste1);
    const bool two = f.Bezeichnung20.left == trainer::kHeaderTwoSubtrahends;
    if (two) {
        const rt::Label* const top[3] = {&f.Bezeichnung19, &f.Bezeichnung18, &f.Bezeichnung17};
        for (std::size_t k = 0; k < 3; ++k)
            if (!shows(*top[k], f.Liste2[0], k + 2))
                return top[k]->name + " shows \"" + top[k]->caption + "\" against " +
                       quoted(f.Liste2);
    }
    const std::string& difference = two ? f.Liste2[3] : f.Liste1[2];
    const rt::Label* const answers[3] = {&f.Bezeichnung11, &f.Bezeichnung12, &f.Bezeichnung13};
    for (std::size_t k = 0; k < 3; ++k) {
        const std::string& shown = answers[k]->caption;
        if (!shown.empty() && shown != character(difference, k + 2))
            return answers[k]->name + " keeps the wrong digit \"" + shown + "\" for " + difference;
    }
    return "";
}

// Each gap cell: its blank or its digit of the stored exercise.
std::string gapBoardWrong(trainer::Form2& f) {
    const auto cells = f.luecken();
    for (std::size_t n = 0; n < 13; ++n) {
        const std::string& shown = cells[n]->caption;
        const std::string stored = character(f.Liste2[kGapPlaces[n].line], kGapPlaces[n].character);
        if (shown != kGapPlaces[n].blank && shown != stored)
            return cells[n]->name + " shows \"" + shown + "\" against " + quoted(f.Liste2);
    }
    return "";
}

}  // namespace

std::vector<Invariant> trainerInvariants(trainer::Form2& f, const ProgramWindows& windows,
                                         std::function<bool()> gameShown) {
    std::vector<Invariant> table;
    const auto never_falls = [](std::string* hidden, const char* what) {
        return [hidden, what, before = 0LL]() mutable -> std::string {
            const long long now = number(*hidden);
            if (now < before)
                return std::string(what) + " fell from " + std::to_string(before) + " to " +
                       std::to_string(now);
            before = now;
            return "";
        };
    };
    table.push_back({"points never fall", never_falls(&f.Bezeichnung16, "points")});
    table.push_back({"errors never fall", never_falls(&f.Bezeichnung15, "errors")});
    table.push_back({"shown counters equal the hidden ones", [&f]() -> std::string {
                         if (rt::val(f.Bezeichnung22.caption) != rt::val(f.Bezeichnung16))
                             return "points shown \"" + f.Bezeichnung22.caption + "\", kept \"" +
                                    f.Bezeichnung16 + "\"";
                         if (rt::val(f.Bezeichnung23.caption) != rt::val(f.Bezeichnung15))
                             return "errors shown \"" + f.Bezeichnung23.caption + "\", kept \"" +
                                    f.Bezeichnung15 + "\"";
                         return "";
                     }});
    table.push_back(
        {"a board cell holds at most one character", [&f]() -> std::string {
             const rt::Label* cells[] = {
                 &f.Bezeichnung1,  &f.Bezeichnung2,  &f.Bezeichnung3,  &f.Bezeichnung4,
                 &f.Bezeichnung5,  &f.Bezeichnung6,  &f.Bezeichnung7,  &f.Bezeichnung8,
                 &f.Bezeichnung9,  &f.Bezeichnung10, &f.Bezeichnung11, &f.Bezeichnung12,
                 &f.Bezeichnung13, &f.Bezeichnung17, &f.Bezeichnung18, &f.Bezeichnung19};
             for (const rt::Label* c : cells)
                 if (c->caption.size() > 1)
                     return c->name + " holds \"" + c->caption + "\"";
             // The gap cells keep their design numbers, never seen, until the
             // panel comes up the first time.
             if (f.Bild6.top != trainer::kGapPanelShown)
                 return "";
             for (const rt::Label* c : f.luecken())
                 if (c->caption.size() > 1)
                     return c->name + " holds \"" + c->caption + "\"";
             return "";
         }});
    // Which exercise is stored follows the gap panel: parked, a subtraction; up, a gap
    // exercise.
    table.push_back({"stored lines keep their format and arithmetic", [&f]() -> std::string {
                         if (f.Bild6.top == trainer::kGapPanelParked)
                             return subtractionLinesWrong(f);
                         if (f.Bild6.top == trainer::kGapPanelShown)
                             return gapLinesWrong(f);
                         return "gap panel at " + std::to_string(f.Bild6.top);
                     }});
    table.push_back({"the board shows the stored exercise", [&f]() -> std::string {
                         return f.Bild6.top == trainer::kGapPanelParked ? boardWrong(f)
                                                                        : gapBoardWrong(f);
                     }});
    table.push_back(
        {"the trainer is shown while no game runs", [&f, &windows, gameShown]() -> std::string {
             if (!gameShown() && !windows.isShown(f))
                 return "no window of the program is up";
             return "";
         }});
    return table;
}

}  // namespace driver
