#pragma once
// The program's random source: a 64-bit generator whose re-seed mixes the clock
// into its current state rather than replacing it, so two re-seeds within one
// clock tick still lead to different sequences.

#include <cstdint>

#include "runtime/services.h"

namespace rt {

class ClockMixedRandom final : public Random {
  public:
    explicit ClockMixedRandom(const Clock& clock,
                              std::uint64_t initialState = 0x853C49E6748FEA9Bull)
        : clock_(clock), state_(initialState) {}

    void reseed() override;
    double next() override;

  private:
    std::uint64_t step();

    const Clock& clock_;
    std::uint64_t state_;
};

}  // namespace rt
