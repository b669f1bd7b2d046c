#pragma once
// Number/text conversions with the exact rules the windows rely on.

#include <string>
#include <string_view>

#include "runtime/controls.h"

namespace rt {

// The leading number of a text: blanks before it are skipped, then an optional
// sign, digits and an optional decimal part. "" and " " read as 0, " 58" as 58.
double val(std::string_view text);

// A whole number as text with one leading space when it is not negative:
// str(7) is " 7", str(-3) is "-3".
std::string str(long long number);

// The character with that code ("0" for 48); codes outside 0..255 give "".
std::string chr(int code);

// Characters start at 1; out-of-range parts give what is there.
std::string mid(std::string_view text, int start, int length = -1);
std::string right(std::string_view text, int length);

// Colour of the 16-colour palette (0 black ... 15 bright white).
Colour qbColor(int index);

}  // namespace rt
