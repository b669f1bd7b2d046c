#include "runtime/clock_random.h"

#include <bit>
#include <cstring>

namespace rt {

// splitmix64: every call advances the state, so the sequence never repeats a
// re-seed even when the clock has not moved.
std::uint64_t ClockMixedRandom::step() {
    state_ += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

void ClockMixedRandom::reseed() {
    const double seconds = clock_.secondsSinceMidnight();
    std::uint64_t bits = 0;
    static_assert(sizeof bits == sizeof seconds);
    std::memcpy(&bits, &seconds, sizeof bits);
    state_ = step() ^ std::rotl(bits, 17);
}

double ClockMixedRandom::next() {
    // The top 53 bits give every double in [0, 1) on a 2^-53 grid; 1 is never reached.
    return static_cast<double>(step() >> 11) * 0x1.0p-53;
}

}  // namespace rt
