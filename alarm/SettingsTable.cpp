#include "alarm/SettingsTable.h"

#include <iterator>

namespace {
using R = SettingsRecord;
constexpr SettingRange NoRange{0, 0, 0};
constexpr SettingRange On{0, 1, 1};

// The README's words are for its check, which runs natively: the product carries none of them.
constexpr const char* InWords([[maybe_unused]] const char* words) {
#ifdef _WIN32
  return "";
#else
  return words;
#endif
}

constexpr SettingRow Original(const char* name, SettingType type, int loadStep, int defaultStep,
                              const char* typeInWords, const char* defaultInWords) {
  return SettingRow{name,     type,       SettingOwner::Dialog, On, InWords(typeInWords), InWords(defaultInWords),
                    loadStep, defaultStep};
}

constexpr SettingRow Switch(const char* name, bool R::*field, int loadStep, int defaultStep) {
  SettingRow row = Original(name, SettingType::Switch, loadStep, defaultStep, "REG_DWORD 0/1", "1");
  row.flag = field;
  return row;
}

constexpr SettingRow Optional(const char* name, SettingType type, SettingOwner owner, SettingRange range,
                              const char* typeInWords, const char* defaultInWords) {
  return SettingRow{name, type, owner, range, InWords(typeInWords), InWords(defaultInWords), 0, 0};
}

constexpr SettingRow Number(const char* name, int R::*field, SettingRange range, const char* typeInWords,
                            const char* defaultInWords, SettingOwner owner = SettingOwner::Options) {
  SettingRow row = Optional(name, SettingType::Number, owner, range, typeInWords, defaultInWords);
  row.number = field;
  return row;
}

constexpr SettingRow OptionalSwitch(const char* name, bool R::*field, SettingOwner owner, SettingRange range) {
  SettingRow row = Optional(name, SettingType::Switch, owner, range, "REG_DWORD 0/1", range.fallback ? "1" : "0");
  row.flag = field;
  return row;
}

constexpr SettingRow Text(SettingRow row, std::string R::*field) {
  row.text = field;
  return row;
}

constexpr SettingRow Rows[] = {
    Text(Original(SettingNames::URL, SettingType::Text, 1, 2, "REG_SZ (or REG_EXPAND_SZ)", "empty"), &R::VelURL),
    [] {
      SettingRow row = Original(SettingNames::WakeupTime, SettingType::Time, 2, 1, "REG_BINARY, 8-byte double",
                                "the time of day 1 - t, t the first load's");
      row.time = &R::VelWakeupTime;
      return row;
    }(),
    Switch(SettingNames::Active, &R::VelActive, 3, 3),
    Switch(SettingNames::Volume, &R::VelVolume, 4, 4),
    Switch(SettingNames::Streaming, &R::VelStreaming, 6, 5),
    Switch(SettingNames::Snooze, &R::VelSnooze, 5, 6),
    Switch(SettingNames::NoRestart, &R::VelNoRestart, 7, 7),
    OptionalSwitch(SettingNames::WakeFromSleep, &R::VelWakeFromSleep, SettingOwner::Options, On),
    Number(SettingNames::CatchUpMinutes, &R::VelCatchUpMinutes, CatchUpMinutesRange, "REG_DWORD 0 to 120", "10",
           SettingOwner::Registry),
    Text(Optional(SettingNames::LastRung, SettingType::Text, SettingOwner::Ring, NoRange, "REG_SZ `yyyy-mm-dd hh:nn`",
                  "none (written at each ring)"),
         &R::VelLastRung),
    Number(SettingNames::Days, &R::VelDays, DaysRange, "REG_DWORD, bit 0 Sunday ... bit 6 Saturday", "127"),
    [] {
      SettingRow row = Optional(SettingNames::SkipDate, SettingType::Date, SettingOwner::Options, NoRange,
                                "REG_DWORD yyyymmdd", "0");
      row.number = &R::VelSkipDate;
      return row;
    }(),
    Number(SettingNames::SnoozeSeconds, &R::VelSnoozeSeconds, SnoozeSecondsRange, "REG_DWORD 60 to 3600", "432"),
    Number(SettingNames::FadeSeconds, &R::VelFadeSeconds, FadeSecondsRange, "REG_DWORD 0 to 600", "0"),
    Number(SettingNames::FallbackSeconds, &R::VelFallbackSeconds, FallbackSecondsRange, "REG_DWORD 0 to 300", "30"),
    Text(Optional(SettingNames::FallbackFile, SettingType::Text, SettingOwner::Options, NoRange, "REG_SZ", "empty"),
         &R::VelFallbackFile),
    [] {
      SettingRow row = Optional(SettingNames::SnoozeUntil, SettingType::Instant, SettingOwner::Ring, NoRange,
                                "REG_SZ, UTC `yyyy-mm-ddThh:nn:ssZ`",
                                "none (written by SNOOZE; removed by its ring, DISABLE, switching the alarm off, "
                                "or once past the catch-up time)");
      row.instant = &R::VelSnoozeUntil;
      return row;
    }(),
    Text(Optional(SettingNames::Label, SettingType::Text, SettingOwner::AlarmWindow, NoRange, "REG_SZ", "empty"),
         &R::VelLabel),
    OptionalSwitch(SettingNames::Once, &R::VelOnce, SettingOwner::AlarmWindow, {0, 1, 0}),
    OptionalSwitch(SettingNames::SystemSound, &R::VelSystemSound, SettingOwner::Options, On),
    Number(SettingNames::SystemVolumeMin, &R::VelSystemVolumeMin, SystemVolumeMinRange, "REG_DWORD percent 0 to 100",
           "30"),
    Number(SettingNames::RingMinutes, &R::VelRingMinutes, RingMinutesRange, "REG_DWORD 0 to 120",
           "0 (rings until answered)"),
    [] {
      SettingRow row = Optional(SettingNames::PlannedRing, SettingType::Instant, SettingOwner::Ring, NoRange,
                                "REG_SZ, UTC `yyyy-mm-ddThh:nn:ssZ`",
                                "none (written when the worker plans a ring; removed by the ring)");
      row.instant = &R::VelPlannedRing;
      return row;
    }(),
    Number(SettingNames::SleepMinutes, &R::VelSleepMinutes, SleepMinutesRange, "REG_DWORD minutes 1 to 600",
           "30 (written by the player's menu)", SettingOwner::Global),
    Number(SettingNames::SleepFadeSeconds, &R::VelSleepFadeSeconds, SleepFadeSecondsRange, "REG_DWORD 0 to 600", "60",
           SettingOwner::Registry),
    Number(SettingNames::SleepAction, &R::VelSleepAction, SleepActionRange,
           "REG_DWORD 0 stop only, 1 then sleep until the alarm", "0", SettingOwner::Global),
};
}  // namespace

const SettingRow* SettingsBegin() { return std::begin(Rows); }
const SettingRow* SettingsEnd() { return std::end(Rows); }

void CopyValues(SettingOwner owner, const SettingsRecord& from, SettingsRecord& to) {
  for (const SettingRow& row : SettingsTable) {
    if (row.owner != owner) continue;
    if (row.time) to.*row.time = from.*row.time;
    if (row.text) to.*row.text = from.*row.text;
    if (row.flag) to.*row.flag = from.*row.flag;
    if (row.number) to.*row.number = from.*row.number;
    if (row.instant) to.*row.instant = from.*row.instant;
  }
}

int NumberOrDefault(const SettingRow& row, std::int64_t stored) {
  if (row.type == SettingType::Date) return IsCalendarDateNumber(stored) ? static_cast<int>(stored) : NoSkipDate;
  return row.range.ValueOrDefault(stored);
}

std::string DocumentedRow(const SettingRow& row) {
  return std::string("| `") + row.name + "` | " + row.typeInWords + " | " + row.defaultInWords + " |";
}
