#pragma once
// Real zone rules for the native tests, from the system's zone database through TZ.
// TZ is process-wide: the zone sets it before each reading, so several may coexist.
#include <string>

#include "alarm/TimeZoneRules.h"

class PosixTimeZone : public TimeZoneRules {
 public:
  explicit PosixTimeZone(std::string name) : name_(std::move(name)) {}
  LocalDateTime ToLocal(UtcMs instant) const override;

 private:
  std::string name_;
};

// A zone at a fixed offset from UTC, without daylight saving.
class FixedOffsetZone : public TimeZoneRules {
 public:
  explicit FixedOffsetZone(UtcMs offset = 0) : offset_(offset) {}
  LocalDateTime ToLocal(UtcMs instant) const override { return FromWallClockMs(instant + offset_); }

 private:
  UtcMs offset_;
};

// The instant of a local reading in `zone` (its first occurrence).
UtcMs LocalInstant(const TimeZoneRules& zone, int year, int month, int day, int hour, int minute, int second = 0);
