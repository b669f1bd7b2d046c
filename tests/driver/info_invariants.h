#pragma once
// What holds in the info window whatever the child did: its print-lock switch
// reads 0 or 1, and a new info window (the first, or one made after the last was
// closed) has it ticked. The window is looked at only while the trainer's slot
// holds it, so that looking never makes one and never reaches a closed one.

#include <vector>

#include "driver/event_driver.h"
#include "trainer/form2.h"

namespace driver {

std::vector<Invariant> infoInvariants(trainer::Form2& trainer);

}  // namespace driver
