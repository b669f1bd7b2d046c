#pragma once
// The text forms in which the trainer keeps exercise numbers and carries.

#include <string>
#include <vector>

namespace trainer {

// A number's digits without sign, after two spaces, cut to the last four
// characters: 742 gives " 742", 57 gives "  57", -31 gives "  31".
std::string storedLine(long long number);

// Line i of a stored list, or "" when the list is shorter.
std::string lineOf(const std::vector<std::string>& list, std::size_t i);

// Character k (from 1) of a line as a one-character text, "" past its end.
std::string characterOf(const std::string& line, int k);

// The tens digit of a column sum as the carry written into the next column:
// "0" up to 9, "1" for 10 to 19, "2" for 20 to 29.
std::string carryOf(long long columnSum);

}  // namespace trainer
