#pragma once
// What holds in the two reward games whatever the child did. The game windows are
// looked at only while the trainer's slots hold them, so that looking never makes
// one.
//
// The catching game: the digits still to catch are a tail of "0123456789" on cells
// of the field with pairwise different columns and rows, the cross stays inside
// the field, the timer runs only while the window is shown, and the target display
// shows the next digit to catch once the game has moved.
//
// The memory game: its state fields keep their formats; once dealt, every digit 1
// to 9 lies on exactly two cards, found pairs are found together, the open cards
// are cards in play, and the cards show what the state fields say.

#include <vector>

#include "driver/event_driver.h"
#include "driver/program_windows.h"
#include "trainer/form2.h"

namespace driver {

std::vector<Invariant> catchingGameInvariants(trainer::Form2& trainer,
                                              const ProgramWindows& windows);
std::vector<Invariant> memoryInvariants(trainer::Form2& trainer);

// Empty while the memory game's state fields and cards agree, else what is wrong.
std::string memoryWrong(games::Memo& memo);

}  // namespace driver
