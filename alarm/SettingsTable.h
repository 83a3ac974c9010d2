#pragma once
// Every value of the alarm's registry key, once: its name, type, default, range and how a
// wrong one reads. The store writes the defaults, loads and saves from it, and the README's
// table of values is checked against it.
#include <cstdint>
#include <optional>
#include <string>

#include "alarm/SettingsRecord.h"

enum class SettingType {
  Time,     // REG_BINARY of 8 bytes, a double: the time of day
  Text,     // REG_SZ; an original text also takes REG_EXPAND_SZ, unexpanded
  Switch,   // REG_DWORD: nonzero is on
  Number,   // REG_DWORD within its range
  Date,     // REG_DWORD yyyymmdd, or 0 for none
  Instant,  // REG_SZ, UTC "yyyy-mm-ddThh:nn:ssZ"
};

// Who writes a value, and so how a missing or wrong one reads.
enum class SettingOwner {
  // One of the seven original values, saved by the configuration dialog: a load writes its
  // default when it is missing, and one of a wrong type is an error that costs its field only.
  Dialog,
  // The alarm options window writes it; absent or wrong means its default, without a word.
  Options,
  // The "Alarm" window writes it, with all else of its alarm; absent or wrong means its default.
  AlarmWindow,
  // Set in the registry by hand only; absent or wrong means its default.
  Registry,
  // One value for every alarm, in the main key, written by the player's menu or the alarm
  // options window on its own; absent or wrong means its default.
  Global,
  // The ring's own record; absent or wrong means none.
  Ring,
};

struct SettingRow {
  const char* name;
  SettingType type;
  SettingOwner owner;
  SettingRange range;       // a number's range and default; a switch's default as 0 or 1
  const char* typeInWords;  // as the README's table gives them; empty in the product
  const char* defaultInWords;
  // Where an original value comes in its load (the first failure read passes on), and in
  // the writing of the missing defaults: their orders are older than this table's.
  int loadStep;
  int defaultStep;
  // The field: the one member of the row's type that is set.
  TTime SettingsRecord::*time = nullptr;
  std::string SettingsRecord::*text = nullptr;
  bool SettingsRecord::*flag = nullptr;
  int SettingsRecord::*number = nullptr;
  std::optional<UtcMs> SettingsRecord::*instant = nullptr;
};

// The rows in the order the configuration dialog saves the original seven, then the others.
const SettingRow* SettingsBegin();
const SettingRow* SettingsEnd();

struct SettingsRows {
  const SettingRow* begin() const { return SettingsBegin(); }
  const SettingRow* end() const { return SettingsEnd(); }
};
constexpr SettingsRows SettingsTable{};

// What the windows edit of one alarm: all but the ring record and the global values.
constexpr SettingOwner EditedOwners[] = {SettingOwner::Dialog, SettingOwner::Options, SettingOwner::AlarmWindow};

// Copies the values `owner` writes from `from` into `to`, leaving the others as they are.
void CopyValues(SettingOwner owner, const SettingsRecord& from, SettingsRecord& to);

// A DWORD as the row reads it: its default when out of range (or no calendar date).
int NumberOrDefault(const SettingRow& row, std::int64_t stored);

// The README's row for `row`: "| `VelDays` | REG_DWORD, bit 0 Sunday ... bit 6 Saturday | 127 |".
std::string DocumentedRow(const SettingRow& row);
