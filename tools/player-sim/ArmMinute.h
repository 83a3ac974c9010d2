#pragma once
// Which minute --arm means. "now" is the current minute, but with 45 s or more of it
// gone the simulator first waits for the next one, so that the plug-in, loaded a moment
// later, still sees its minute. "next" is the coming minute, or with 45 s or more gone
// the one after, so that the plug-in is waiting for it before it begins.
#include <functional>
#include <string>

struct ArmRequest {
  enum class Kind { now, next, at };
  Kind kind = Kind::now;
  int hour = 0;  // for Kind::at
  int minute = 0;
};

struct ClockMinute {
  int hour;
  int minute;
};

// waitNote is told how long the wait for the next minute takes, before it starts.
ClockMinute ChooseArmMinute(const ArmRequest& request, const std::function<void(unsigned long)>& waitNote);
