#pragma once
// The seam between instants and the local clock. A zone only has to read an instant on
// the local clock; finding the instants of a local reading, which daylight saving makes
// zero, one or two, is built on that here, the same for every implementation.
#include <vector>

#include "alarm/CivilTime.h"

class TimeZoneRules {
 public:
  virtual ~TimeZoneRules() = default;
  // The local calendar fields at `instant`, day of week included.
  virtual LocalDateTime ToLocal(UtcMs instant) const = 0;
};

// The local clock's lead over UTC at `instant` (negative west of Greenwich).
UtcMs OffsetAt(const TimeZoneRules& zone, UtcMs instant);

// Every instant at which the local clock reads `wallClock` (see WallClockMs), earliest
// first: none inside a spring-forward gap, two inside a repeated autumn hour.
std::vector<UtcMs> InstantsOfWallClock(const TimeZoneRules& zone, UtcMs wallClock);

// The first instant at which the local clock reads `wallClock` or later: the reading's
// first occurrence when it exists, otherwise the moment the clock jumps past it.
UtcMs FirstInstantAtOrAfter(const TimeZoneRules& zone, UtcMs wallClock);
