#include "driver/sheet_invariants.h"

#include <string>

#include "sheets/worksheet.h"

namespace driver {

namespace {

constexpr std::size_t kColumns = 6;
constexpr std::size_t kCell = 8;  // sign, four places for the number, three blanks
constexpr std::size_t kLineLength = kColumns * kCell;

// The rows of the blocks: minuend, subtrahends, underline, result, rule, two blanks.
enum class Row { Minuend, Subtrahend, Underline, Result, Rule, Blank };

const std::vector<Row>& rowsOfBlock(bool twoSubtrahends) {
    static const std::vector<Row> one = {Row::Minuend, Row::Subtrahend, Row::Underline, Row::Result,
                                         Row::Rule,    Row::Blank,      Row::Blank};
    static const std::vector<Row> two = {Row::Minuend,   Row::Subtrahend, Row::Subtrahend,
                                         Row::Underline, Row::Result,     Row::Rule,
                                         Row::Blank,     Row::Blank};
    return twoSubtrahends ? two : one;
}

// The number of a cell written as sign, four right-aligned places and three blanks;
// -1 if the cell is not of that form.
long long cellNumber(const std::string& cell, char sign) {
    if (cell.size() != kCell || cell[0] != sign || cell.substr(5) != "   ")
        return -1;
    const std::string places = cell.substr(1, 4);
    const std::size_t first = places.find_first_not_of(' ');
    if (first == std::string::npos || places[first] == '0')
        return -1;
    const std::string digits = places.substr(first);
    if (digits.find_first_not_of("0123456789") != std::string::npos)
        return -1;
    return std::stoll(digits);
}

std::string item(std::size_t n, const std::string& line) {
    return "item " + std::to_string(n) + " \"" + line + "\"";
}

// One block of six exercises from item `first` on.
std::string blockWrong(const std::vector<std::string>& lines, std::size_t first, bool two) {
    const std::vector<Row>& rows = rowsOfBlock(two);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::size_t n = first + r;
        const std::string& line = lines[n];
        if (rows[r] == Row::Blank) {
            if (line != sheets::kLeerzeile)
                return item(n, line) + " is not a blank line";
            continue;
        }
        if (line.size() != kLineLength)
            return item(n, line) + " is not 48 characters long";
        if ((rows[r] == Row::Result) != sheets::istErgebniszeile(static_cast<int>(n)))
            return item(n, line) + " is out of place against the result items";
        const std::string pattern = rows[r] == Row::Underline ? "_____   " : "-----   ";
        for (std::size_t c = 0; c < kColumns; ++c) {
            const std::string cell = line.substr(c * kCell, kCell);
            if ((rows[r] == Row::Underline || rows[r] == Row::Rule) && cell != pattern)
                return item(n, line) + " has a broken rule in column " + std::to_string(c + 1);
        }
    }
    // The arithmetic of each column: minuend less the subtrahends is the result,
    // a result of three digits, subtrahends in the ranges they are drawn from.
    for (std::size_t c = 0; c < kColumns; ++c) {
        const auto number = [&](std::size_t r, char sign) {
            return cellNumber(lines[first + r].substr(c * kCell, kCell), sign);
        };
        const std::string where =
            "block at item " + std::to_string(first) + ", column " + std::to_string(c + 1);
        const long long minuend = number(0, ' ');
        const long long first_ = number(1, '-');
        const long long second = two ? number(2, '-') : 0;
        const long long result = number(two ? 4 : 3, ' ');
        if (minuend < 0 || first_ < 0 || second < 0 || result < 0)
            return where + ": a number cell is badly formed";
        if (minuend - first_ - second != result)
            return where + ": " + std::to_string(minuend) + " - " + std::to_string(first_) +
                   (two ? " - " + std::to_string(second) : "") + " is not " +
                   std::to_string(result);
        if (result < 100 || result > 999)
            return where + ": result " + std::to_string(result) + " is not of three digits";
        if (two ? (first_ < 100 || first_ > 999 || second > 1000) : first_ > 1000)
            return where + ": a subtrahend beyond its range";
    }
    return "";
}

}  // namespace

std::string sheetLinesWrong(const std::vector<std::string>& lines) {
    if (lines.empty())
        return "";
    if (lines.size() != static_cast<std::size_t>(sheets::kZeilenProBlatt))
        return std::to_string(lines.size()) + " lines";
    std::size_t at = 0;
    for (int block = 0; block < 5; ++block) {
        const bool two = block >= 3;
        if (std::string wrong = blockWrong(lines, at, two); !wrong.empty())
            return wrong;
        at += rowsOfBlock(two).size();
    }
    return "";
}

std::vector<Invariant> sheetInvariants(trainer::Form2& f) {
    return {
        {"the sheet is 37 lines or none, each in its format and arithmetic",
         [&f] { return sheetLinesWrong(f.Liste5.lines); }},
        {"the sheet is shown exactly while it holds lines",
         [&f]() -> std::string {
             const int place =
                 f.Liste5.lines.empty() ? trainer::kSheetParked : trainer::kSheetShown;
             if (f.Liste5.left != place || f.Bild3.left != place)
                 return "list at " + std::to_string(f.Liste5.left) + ", panel at " +
                        std::to_string(f.Bild3.left) + " with " +
                        std::to_string(f.Liste5.lines.size()) + " lines";
             return "";
         }},
    };
}

}  // namespace driver
