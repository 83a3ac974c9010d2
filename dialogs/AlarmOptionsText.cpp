#include "dialogs/AlarmOptionsText.h"

#include <cctype>
#include <cstdio>
#include <sstream>

namespace {
constexpr long long MostSeconds = 24 * 3600;
constexpr const char* DayNames[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
constexpr const char* MonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                      "July",    "August",   "September", "October", "November", "December"};

std::string Counted(int count, const char* unit) {
  return std::to_string(count) + " " + unit + (count == 1 ? "" : "s");
}

std::string Lowercase(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::optional<int> SecondsPerUnit(const std::string& unit) {
  if (unit == "h" || unit == "hour" || unit == "hours") return 3600;
  if (unit == "m" || unit == "min" || unit == "minute" || unit == "minutes") return 60;
  if (unit == "s" || unit == "sec" || unit == "second" || unit == "seconds") return 1;
  return std::nullopt;
}
}  // namespace

std::string DurationText(int seconds) {
  if (seconds <= 0) return "Off";
  std::string text;
  const auto add = [&text](int count, const char* unit) {
    if (count == 0) return;
    if (!text.empty()) text += " ";
    text += Counted(count, unit);
  };
  add(seconds / 3600, "hour");
  add(seconds / 60 % 60, "minute");
  add(seconds % 60, "second");
  return text;
}

std::optional<int> ParseDuration(const std::string& text) {
  const std::string lower = Lowercase(text);
  std::istringstream words(lower);
  std::string first;
  if (!(words >> first)) return std::nullopt;
  if (first == "off") return (words >> first) ? std::nullopt : std::optional<int>(0);
  std::istringstream parts(lower);
  long long total = 0;
  bool any = false;
  for (;;) {
    long long count = 0;
    if (!(parts >> count)) break;
    std::string unit;
    if (count < 0 || count > MostSeconds || !(parts >> unit)) return std::nullopt;
    const std::optional<int> perUnit = SecondsPerUnit(unit);
    if (!perUnit) return std::nullopt;
    total += count * *perUnit;
    if (total > MostSeconds) return std::nullopt;  // far past every range, and no overflow
    any = true;
  }
  if (!any || !parts.eof()) return std::nullopt;
  return static_cast<int>(total);
}

const std::vector<int>& SnoozeChoices() {
  static const std::vector<int> choices = {300, 432, 600, 900, 1200, 1800, 3600};
  return choices;
}

const std::vector<int>& FadeChoices() {
  static const std::vector<int> choices = {0, 15, 30, 60, 120, 300, 600};
  return choices;
}

const std::vector<int>& FallbackChoices() {
  static const std::vector<int> choices = {0, 15, 30, 60, 120, 300};
  return choices;
}

std::string DateInWords(const LocalDateTime& date) {
  return std::string(DayNames[date.dayOfWeek % 7]) + " " + std::to_string(date.day) + " " +
         MonthNames[(date.month + 11) % 12];
}

std::string NextAlarmText(const std::optional<RingSlot>& slot, const TimeZoneRules& zone) {
  if (!slot) return "Alarm is off";
  const LocalDateTime local = zone.ToLocal(slot->start);
  char time[8];
  std::snprintf(time, sizeof time, "%02d:%02d", local.hour, local.minute);
  return "Next alarm: " + DateInWords(local) + ", " + time;
}

std::string SkipText(int skipDate) {
  if (!IsCalendarDateNumber(skipDate)) return "";
  const LocalDateTime date = CivilFromDays(DaysFromCivil(skipDate / 10000, skipDate / 100 % 100, skipDate % 100));
  return "Skipping " + DateInWords(date);
}
