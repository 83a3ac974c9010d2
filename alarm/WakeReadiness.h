#pragma once
// Whether a sleeping PC will wake for the alarm, in the words the options window shows.
// The power plan can forbid wake timers, on battery or altogether, and a PC with Modern
// Standby does not wake for a program's timer at all.
#include <optional>
#include <string>

// The power plan's "Allow wake timers" values.
constexpr int WakeTimersDisabled = 0;
constexpr int WakeTimersEnabled = 1;
constexpr int WakeTimersImportantOnly = 2;

struct PowerFacts {
  // The active plan's "Allow wake timers" when plugged in and on battery; none where
  // Windows has no power plans (XP) or does not say.
  std::optional<int> wakeTimersPluggedIn;
  std::optional<int> wakeTimersOnBattery;
  bool onBattery = false;
  bool modernStandby = false;
  bool timerRefused = false;  // Windows refused resume for the alarm's timer
};

// "This PC will wake for the alarm", or why it may not; empty where nothing is known.
std::string WakeReadinessText(const PowerFacts& facts, bool wakeFromSleep);
// Whether the PC can be left to sleep until the alarm: the readiness above says it will
// wake, or nothing is known against it (XP has no power plans and wakes for the timer).
bool WillWake(const PowerFacts& facts, bool wakeFromSleep);
