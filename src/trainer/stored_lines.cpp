#include "trainer/stored_lines.h"

#include <cstdlib>

#include "runtime/conversions.h"

namespace trainer {

std::string storedLine(long long number) {
    return rt::right("  " + std::to_string(std::llabs(number)), 4);
}

std::string lineOf(const std::vector<std::string>& list, std::size_t i) {
    return i < list.size() ? list[i] : std::string();
}

std::string characterOf(const std::string& line, int k) {
    return rt::mid(line, k, 1);
}

std::string carryOf(long long columnSum) {
    // "0" in front makes every sum at least two digits long.
    const std::string digits = rt::right("0" + std::to_string(columnSum), 2);
    return digits.substr(0, 1);
}

}  // namespace trainer
