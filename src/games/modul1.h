#pragma once
// The program-wide variables of the catching game: where the digits still to be
// caught and the cross stand. The trainer owns the one instance and hands it to
// the games; the memory deal keeps its slot number in kreuzspalte.

#include <array>
#include <cstdint>
#include <string>

namespace games {

struct Modul1 {
    // Entry i belongs to the i-th character of fangzahlen; 0 and 11 to 20 unused.
    std::array<std::int16_t, 21> zahlspalte{};
    std::array<std::int16_t, 21> zahlzeile{};
    std::int16_t kreuzspalte = 0;  // 1 to 24
    std::int16_t kreuzzeile = 0;   // 3 to 16
    std::string fangzahlen;        // the digits still to catch, in catching order
};

}  // namespace games
