#include "alarm/TimeZoneRules.h"

#include <algorithm>

namespace {
UtcMs WallClockAt(const TimeZoneRules& zone, UtcMs instant) { return WallClockMs(zone.ToLocal(instant)); }
}  // namespace

UtcMs OffsetAt(const TimeZoneRules& zone, UtcMs instant) { return WallClockAt(zone, instant) - instant; }

// Real zones change their offset at most once within two days, so the offsets a day
// either side are the only ones a reading near `wallClock` can have.
std::vector<UtcMs> InstantsOfWallClock(const TimeZoneRules& zone, UtcMs wallClock) {
  std::vector<UtcMs> instants;
  for (UtcMs probe : {wallClock - MsPerCalendarDay, wallClock + MsPerCalendarDay}) {
    const UtcMs candidate = wallClock - OffsetAt(zone, probe);
    if (WallClockAt(zone, candidate) != wallClock) continue;
    // Two probes at most: each new instant goes before or after the one found, or not at all.
    if (instants.empty() || candidate > instants.back())
      instants.push_back(candidate);
    else if (candidate < instants.back())
      instants.insert(instants.begin(), candidate);
  }
  return instants;
}

UtcMs FirstInstantAtOrAfter(const TimeZoneRules& zone, UtcMs wallClock) {
  const std::vector<UtcMs> instants = InstantsOfWallClock(zone, wallClock);
  if (!instants.empty()) return instants.front();
  // In a gap: the jump lies between the reading taken with the later offset (still
  // before the jump) and with the earlier one (already after it). The wall clock only
  // rises across a forward jump, so halving finds its first millisecond.
  const UtcMs before = OffsetAt(zone, wallClock - MsPerCalendarDay);
  const UtcMs after = OffsetAt(zone, wallClock + MsPerCalendarDay);
  UtcMs low = wallClock - std::max(before, after);  // reads earlier than wallClock
  UtcMs high = wallClock - std::min(before, after);
  if (WallClockAt(zone, high) < wallClock) return high;  // no forward jump here after all
  while (high - low > 1) {
    const UtcMs middle = low + (high - low) / 2;
    (WallClockAt(zone, middle) >= wallClock ? high : low) = middle;
  }
  return high;
}
