#include "dialogs/AlarmListText.h"

#include <vector>

#include "alarm/AlarmList.h"
#include "controls/timepicker/PickerTime.h"
#include "dialogs/AlarmOptionsText.h"
#include "runtime/FormatDateTime.h"
#include "runtime/NumberText.h"

namespace {
constexpr int DaysInWeek = 7;
constexpr int Weekdays = 0x3E;  // Monday to Friday
constexpr int Weekend = 0x41;   // Saturday and Sunday
constexpr int ShortNameLength = 3;
constexpr int ShortestRun = 3;  // fewer days in a row read better one by one

std::string ShortDayName(int dayOfWeek) { return std::string(DayName(dayOfWeek)).substr(0, ShortNameLength); }

// Day i of a week that starts on Monday, as a system day number (0 Sunday).
int MondayFirst(int index) { return (index + 1) % DaysInWeek; }

std::string Joined(const std::vector<std::string>& parts) {
  std::string text;
  for (const std::string& part : parts) text += (text.empty() ? "" : ", ") + part;
  return text;
}
}  // namespace

std::string DaysInShortWords(int days, bool once) {
  if (once) return "Once";
  days &= EveryDay;
  if (days == 0) return "Never";
  if (days == EveryDay) return "Every day";
  if (days == Weekdays) return "Mon-Fri";
  if (days == Weekend) return "Sat, Sun";
  const auto ticked = [days](int index) { return index < DaysInWeek && (days & (1 << MondayFirst(index))) != 0; };
  std::vector<std::string> parts;
  for (int first = 0; first < DaysInWeek; ++first) {
    if (!ticked(first)) continue;
    int last = first;
    while (ticked(last + 1)) ++last;
    if (last - first + 1 >= ShortestRun) {
      parts.push_back(ShortDayName(MondayFirst(first)) + "-" + ShortDayName(MondayFirst(last)));
      first = last;
    } else {
      parts.push_back(ShortDayName(MondayFirst(first)));
    }
  }
  return Joined(parts);
}

std::string RowNextRingText(const std::optional<RingSlot>& slot, const TimeZoneRules& zone) {
  if (!slot) return "off";
  const LocalDateTime local = zone.ToLocal(slot->start);
  return ShortDayName(local.dayOfWeek) + " " + ZeroPadded(local.day) + " " +
         std::string(MonthName(local.month)).substr(0, ShortNameLength);
}

std::string ShownLabel(const std::string& label) { return label.substr(0, LabelShownLength); }

std::string LabelledNextAlarmText(const std::optional<RingSlot>& slot, const std::string& label,
                                  const TimeZoneRules& zone) {
  const std::string text = NextAlarmText(slot, zone);
  return slot && !label.empty() ? text + " (" + ShownLabel(label) + ")" : text;
}

std::string AlarmTimeText(TTime time) { return FormatDateTime(PickerDefaultFormat, time); }

std::string MissedRingText(int number, const std::string& label, UtcMs planned, const char* reason,
                           const TimeZoneRules& zone) {
  const LocalDateTime local = zone.ToLocal(planned);
  return AlarmCaption(number, label) + ", " + DateInWords(local) + ", " + ZeroPadded(local.hour, 2) + ":" +
         ZeroPadded(local.minute, 2) + ". " + reason;
}

std::string AlarmCaption(int number, const std::string& label) {
  if (number <= 0) return "Alarm";
  const std::string numbered = "Alarm " + ZeroPadded(number);
  return label.empty() ? numbered : numbered + ": " + ShownLabel(label);
}
