#pragma once

#include "runtime/services.h"

namespace rt {

// Local time of day, with the fractions of a second.
class SystemClock final : public Clock {
  public:
    double secondsSinceMidnight() const override;
};

}  // namespace rt
