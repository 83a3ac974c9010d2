#pragma once
// A ring that was planned and passed without ringing: the PC slept through it, the player
// was closed, or the clock was set past it. The worker remembers each alarm's planned ring
// and tells of one that passed beyond its catch-up time, with the likely reason.
#include <cstdint>

#include "alarm/CivilTime.h"

enum class MissReason { Asleep, PlayerNotRunning, ClockMoved };

// A clock that moved this much further than the PC's running time was set, not slept through.
constexpr std::int64_t ClockJumpMs = 60 * 1000;

// Why the ring planned for `planned` passed: planned before the worker began at
// `workerStart`, the player was not running; else, when the clock moved `clockMovedMs`
// while the PC ran `tickMovedMs` (sleep counted) since the worker's last look, the clock
// was set past it; else the PC slept.
MissReason WhyMissed(UtcMs planned, UtcMs workerStart, std::int64_t clockMovedMs, std::int64_t tickMovedMs);

// "The PC was asleep and did not wake in time" and the others.
const char* MissReasonText(MissReason reason);
