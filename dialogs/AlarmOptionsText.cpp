#include "dialogs/AlarmOptionsText.h"

#include <cctype>

#include "runtime/NumberText.h"

namespace {
constexpr long long MostSeconds = 24 * 3600;
constexpr const char* DayNames[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
constexpr const char* MonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                      "July",    "August",   "September", "October", "November", "December"};

std::string Counted(int count, const char* unit) { return ZeroPadded(count) + " " + unit + (count == 1 ? "" : "s"); }

std::string Lowercase(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// The words of `text`: runs of letters, and runs of digits, which split from letters
// ("10min" is "10", "min"); anything else separates words. A sign or other mark makes
// the text no duration at all.
std::optional<std::vector<std::string>> Words(const std::string& text) {
  std::vector<std::string> words;
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (std::isspace(c)) {
      ++i;
      continue;
    }
    const bool digit = std::isdigit(c) != 0;
    if (!digit && !std::isalpha(c)) return std::nullopt;
    std::size_t end = i;
    while (end < text.size() && (digit ? std::isdigit(static_cast<unsigned char>(text[end]))
                                       : std::isalpha(static_cast<unsigned char>(text[end]))))
      ++end;
    words.push_back(text.substr(i, end - i));
    i = end;
  }
  return words;
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
  const std::optional<std::vector<std::string>> words = Words(Lowercase(text));
  if (!words || words->empty()) return std::nullopt;
  if (words->front() == "off") return words->size() == 1 ? std::optional<int>(0) : std::nullopt;
  if (words->size() % 2 != 0) return std::nullopt;
  long long total = 0;
  for (std::size_t i = 0; i < words->size(); i += 2) {
    const std::optional<std::int64_t> count = DigitsValue((*words)[i], 0, (*words)[i].size());
    const std::optional<int> perUnit = SecondsPerUnit((*words)[i + 1]);
    if (!count || *count > MostSeconds || !perUnit) return std::nullopt;
    total += *count * *perUnit;
    if (total > MostSeconds) return std::nullopt;  // far past every range, and no overflow
  }
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

const std::vector<int>& RingLimitChoices() {
  static const std::vector<int> choices = {0, 300, 600, 900, 1800, 3600};
  return choices;
}

std::string PercentText(int percent) { return std::to_string(percent) + " %"; }

std::optional<int> ParsePercent(const std::string& text) {
  std::size_t digits = 0;
  while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') ++digits;
  std::size_t end = digits;
  while (end < text.size() && text[end] == ' ') ++end;
  if (end < text.size() && text[end] == '%') ++end;
  if (digits == 0 || digits > 3 || end != text.size()) return std::nullopt;
  return static_cast<int>(*DigitsValue(text, 0, digits));
}

const char* DayName(int dayOfWeek) { return DayNames[dayOfWeek % 7]; }

const char* MonthName(int month) { return MonthNames[(month + 11) % 12]; }

std::string DateInWords(const LocalDateTime& date) {
  return std::string(DayName(date.dayOfWeek)) + " " + ZeroPadded(date.day) + " " + MonthName(date.month);
}

std::string NextAlarmText(const std::optional<RingSlot>& slot, const TimeZoneRules& zone) {
  if (!slot) return "Alarm is off";
  const LocalDateTime local = zone.ToLocal(slot->start);
  return "Next alarm: " + DateInWords(local) + ", " + ZeroPadded(local.hour, 2) + ":" + ZeroPadded(local.minute, 2);
}

std::string SkipText(int skipDate) {
  if (!IsCalendarDateNumber(skipDate)) return "";
  const LocalDateTime date = CivilFromDays(DaysFromCivil(skipDate / 10000, skipDate / 100 % 100, skipDate % 100));
  return "Skipping " + DateInWords(date);
}
