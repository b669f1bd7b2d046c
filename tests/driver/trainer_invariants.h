#pragma once
// What holds in the trainer window whatever the child did.

#include <functional>
#include <vector>

#include "driver/event_driver.h"
#include "trainer/form2.h"

namespace driver {

// gameShown tells whether a game window is up, during which the trainer is hidden.
std::vector<Invariant> trainerInvariants(trainer::Form2& form, const ProgramWindows& windows,
                                         std::function<bool()> gameShown);

}  // namespace driver
