#include "tools/player-sim/ArmMinute.h"

#include <windows.h>

namespace {
// Leaves the plug-in a quarter of a minute before its minute ends (now) or begins
// (next) to load, start and take a few dialog steps, which under emulation on a busy
// machine take several seconds.
constexpr int LatestSecondForLead = 44;
// Lands safely inside the next minute even when the clock's ticks are coarse.
constexpr unsigned long MarginMilliseconds = 50;

ClockMinute Following(const SYSTEMTIME& time, int minutes = 1) {
  const int minuteOfDay = (time.wHour * 60 + time.wMinute + minutes) % (24 * 60);
  return {minuteOfDay / 60, minuteOfDay % 60};
}
}  // namespace

ClockMinute ChooseArmMinute(const ArmRequest& request, const std::function<void(unsigned long)>& waitNote) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  switch (request.kind) {
    case ArmRequest::Kind::at:
      return {request.hour, request.minute};
    case ArmRequest::Kind::next:
      return Following(now, now.wSecond <= LatestSecondForLead ? 1 : 2);
    case ArmRequest::Kind::now:
      break;
  }
  if (now.wSecond <= LatestSecondForLead) return {now.wHour, now.wMinute};
  const unsigned long wait = (60 - now.wSecond) * 1000UL - now.wMilliseconds + MarginMilliseconds;
  waitNote(wait);
  Sleep(wait);
  return Following(now);
}
