#pragma once
// A small, fast 64-bit generator for the driver's own choices.

#include <cstdint>

namespace driver {

class SplitMix {
  public:
    explicit SplitMix(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 <= n < bound; bound must be positive.
    std::uint32_t below(std::uint32_t bound) { return static_cast<std::uint32_t>(next() % bound); }
    bool chance(double p) { return static_cast<double>(next() >> 11) * 0x1.0p-53 < p; }

  private:
    std::uint64_t state_;
};

}  // namespace driver
