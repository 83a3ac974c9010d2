#pragma once
// The alarm's time zone: the system's current one, daylight saving included.
#include "alarm/TimeZoneRules.h"

class SystemTimeZone : public TimeZoneRules {
 public:
  LocalDateTime ToLocal(UtcMs instant) const override;
};

// The system clock as an instant.
UtcMs SystemNow();
