#pragma once
// What holds in the trainer window whatever the child did.

#include <cstddef>
#include <functional>
#include <vector>

#include "driver/event_driver.h"
#include "trainer/form2.h"

namespace driver {

// Where gap cell n (1 to 13, at index n - 1) finds its digit in the stored gap
// exercise, and what it shows while blank.
struct GapPlace {
    std::size_t line;
    std::size_t character;
    const char* blank;
};
extern const GapPlace kGapPlaces[13];

// gameShown tells whether a game window is up, during which the trainer is hidden.
std::vector<Invariant> trainerInvariants(trainer::Form2& form, const ProgramWindows& windows,
                                         std::function<bool()> gameShown);

}  // namespace driver
