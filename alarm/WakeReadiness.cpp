#include "alarm/WakeReadiness.h"

namespace {
constexpr const char* WillWakeText = "This PC will wake for the alarm";
}

std::string WakeReadinessText(const PowerFacts& facts, bool wakeFromSleep) {
  if (!wakeFromSleep) return "Waking from sleep is turned off in these options";
  if (facts.modernStandby) return "This PC uses Modern Standby: keep it awake or plugged in and awake";
  if (facts.timerRefused) return "Windows refused to wake the PC for the alarm's timer";
  const std::optional<int>& now = facts.onBattery ? facts.wakeTimersOnBattery : facts.wakeTimersPluggedIn;
  if (!now) return "";
  if (*now == WakeTimersDisabled)
    return facts.onBattery ? "Wake timers are disabled in the power plan (on battery)"
                           : "Wake timers are disabled in the power plan";
  if (*now == WakeTimersImportantOnly) return "Only important wake timers are allowed on this PC";
  if (facts.onBattery) return "The PC may not wake: it is running on battery";
  if (facts.wakeTimersOnBattery == WakeTimersDisabled)
    return std::string(WillWakeText) + " while plugged in; wake timers are disabled in the power plan (on battery)";
  return WillWakeText;
}

bool WillWake(const PowerFacts& facts, bool wakeFromSleep) {
  const std::string text = WakeReadinessText(facts, wakeFromSleep);
  return text.empty() || text.compare(0, std::string(WillWakeText).size(), WillWakeText) == 0;
}
