#pragma once
// The worksheet as text: 30 subtraction exercises in five blocks of six, written
// side by side in cells of 8 characters, and the forms it is handed out in (the
// printed exercise and solution sheets, the clipboard text). The trainer window
// keeps the lines in its list box; these functions only build and read them.

#include <array>
#include <string>
#include <vector>

#include "runtime/services.h"

namespace sheets {

// Item numbers of the result lines; printing and copying find them by number.
inline constexpr std::array<int, 5> kErgebniszeilen{3, 10, 17, 25, 33};
inline constexpr int kZeilenProBlatt = 37;
// The sheet's own empty lines hold one space, so that no line of it is empty.
inline const std::string kLeerzeile = " ";

bool istErgebniszeile(int item);

// The number right-aligned in 4 characters (five spaces before its digits, the
// last four characters kept).
std::string rechtsbuendig4(long long number);

// Blocks 1 to 3: six exercises with one subtrahend; the random source is
// re-seeded from the clock before each of them.
std::vector<std::string> blockEinSubtrahend(rt::Random& random);
// Blocks 4 and 5: six exercises with two subtrahends; the draws simply continue.
std::vector<std::string> blockZweiSubtrahenden(rt::Random& random);
// The 37 lines of a new sheet.
std::vector<std::string> rechenblatt(rt::Random& random);

// The exercise sheet: the result lines become one space each, whatever they hold.
std::vector<std::string> aufgabenblatt(const std::vector<std::string>& lines);

// The printed page: an empty line, the heading, two empty lines and the lines,
// in Courier New 18 pt from the top left corner. Does not end the document.
void seiteDrucken(rt::Printer& printer, const std::string& heading,
                  const std::vector<std::string>& lines);

// The clipboard text: the exercise sheet, two empty lines, the solution sheet;
// every line ends in CR LF.
std::string ablagetext(const std::vector<std::string>& lines);

}  // namespace sheets
