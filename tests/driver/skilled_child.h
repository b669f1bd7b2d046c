#pragma once
// The right move in the program as it stands, as a child who knows the answers
// makes it: the right digit onto an empty difference cell, a click on a reward
// notice, the digit a selected cell waits for, the cross steered towards the next
// digit by picture or arrow key, the partner of an open memory
// card. The driver mixes these into the random events so that long runs reach the
// games and their ends, which random hands alone hardly ever do.

#include "driver/event_driver.h"
#include "trainer/form2.h"

namespace driver {

rt::Control* skilledClick(trainer::Form2& trainer, const ProgramWindows& windows);
Program::DragAndDrop skilledDrop(trainer::Form2& trainer, const ProgramWindows& windows);
int skilledKey(trainer::Form2& trainer, const ProgramWindows& windows);

}  // namespace driver
