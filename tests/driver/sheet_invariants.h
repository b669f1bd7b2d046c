#pragma once
// What holds in the worksheet over the trainer's board whatever the child did: it
// is 37 lines or none, shown exactly while it holds lines, and every line keeps its
// format and every column its arithmetic.

#include <vector>

#include "driver/event_driver.h"
#include "trainer/form2.h"

namespace driver {

std::vector<Invariant> sheetInvariants(trainer::Form2& form);

// Empty while the lines are a sheet as "Blatt" builds it, else what is wrong.
std::string sheetLinesWrong(const std::vector<std::string>& lines);

}  // namespace driver
