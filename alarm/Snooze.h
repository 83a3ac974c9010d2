#pragma once
// The snooze: SNOOZE asks for one more ring a set time after the press. It is an instant
// of its own, kept as UTC text, never a change of the alarm's time of day.
#include <optional>
#include <string>

#include "alarm/SettingsRecord.h"
#include "alarm/TimeZoneRules.h"

// The start of the local minute holding `pressed` plus the snooze length: a press at
// 07:00:50 with 7 min 12 s rings at 07:08:00.
UtcMs SnoozeUntil(UtcMs pressed, int snoozeSeconds, const TimeZoneRules& zone);

// Whether the snooze of `settings` can no longer ring at `now`: past its catch-up time.
bool SnoozeIsStale(const SettingsRecord& settings, UtcMs now);

// "yyyy-mm-ddThh:nn:ssZ", the registry's form of an instant, and back (none for any other text).
std::string UtcText(UtcMs instant);
std::optional<UtcMs> ParseUtcText(const std::string& text);
