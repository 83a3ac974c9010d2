#include "alarm/MissedRing.h"

MissReason WhyMissed(UtcMs planned, UtcMs workerStart, std::int64_t clockMovedMs, std::int64_t tickMovedMs) {
  if (planned < workerStart) return MissReason::PlayerNotRunning;
  if (clockMovedMs - tickMovedMs > ClockJumpMs) return MissReason::ClockMoved;
  return MissReason::Asleep;
}

const char* MissReasonText(MissReason reason) {
  switch (reason) {
    case MissReason::PlayerNotRunning:
      return "The player was not running";
    case MissReason::ClockMoved:
      return "The clock moved past it";
    case MissReason::Asleep:
      break;
  }
  return "The PC was asleep and did not wake in time";
}
