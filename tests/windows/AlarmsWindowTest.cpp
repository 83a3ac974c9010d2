// The Alarms and the Alarm window in-process over a host that only stores what it is
// given; the next rings come from the domain's NextRing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "alarm/CivilTime.h"
#include "controls/styled/SCButton.h"
#include "controls/styled/SCCheckbox.h"
#include "controls/styled/SCCombobox.h"
#include "dialogs/AlarmWindow.h"
#include "dialogs/AlarmsHost.h"
#include "dialogs/AlarmsWindow.h"
#include "runtime/Label.h"
#include "tests/windows/WindowTestSupport.h"

namespace {
constexpr UtcMs Monday0800 = 1796630400000;  // 2026-12-07 08:00 UTC

SettingsRecord Alarm(int hour, int minute, int days, const std::string& label) {
  SettingsRecord settings;
  settings.VelActive = true;
  settings.VelWakeupTime = EncodeTime(hour, minute, 0, 0);
  settings.VelDays = days;
  settings.VelLabel = label;
  return settings;
}

class StoringHost : public AlarmsHost, public TimeZoneRules {
 public:
  AlarmList alarms;
  std::vector<int> saved;
  UtcMs Now() override { return Monday0800; }
  const TimeZoneRules& Zone() override { return *this; }
  LocalDateTime ToLocal(UtcMs instant) const override { return FromWallClockMs(instant); }
  AlarmList Alarms() override { return alarms; }
  std::optional<RingSlot> NextRing(int, const SettingsRecord& shown, bool) override {
    return ::NextRing(shown, Monday0800, *this);
  }
  void SaveAlarm(int number, const SettingsRecord& settings) override {
    saved.push_back(number);
    for (NumberedAlarm& alarm : alarms)
      if (alarm.number == number) alarm.settings = settings;
  }
  int AddAlarm(const SettingsRecord& settings) override {
    const int number = alarms.back().number + 1;
    alarms.push_back({number, settings});
    return number;
  }
  void DeleteAlarm(int number) override {
    for (std::size_t i = 0; i < alarms.size(); ++i)
      if (alarms[i].number == number) alarms.erase(alarms.begin() + static_cast<long>(i));
  }
  void TryRing(const SettingsRecord&) override {}
  PowerFacts power;
  PowerFacts Power() override { return power; }
  std::wstring PlayerSettingsFolder() override { return L""; }
};

StoringHost ThreeAlarms() {
  StoringHost host;
  host.alarms = {{1, Alarm(6, 45, 0x3E, "Work")}, {2, Alarm(9, 0, 0x41, "")}, {3, Alarm(5, 10, 0, "Early train")}};
  return host;
}

void Click(TWinControl& control) {
  SendMessageA(control.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageA(control.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
}

void Key(TWinControl& control, WORD key) { SendMessageA(control.Handle(), WM_KEYDOWN, key, 0); }

// The caption of the Alarm window a timer found, and cancelled, in its modal loop.
std::string seenCaption;

BOOL CALLBACK AnswerModal(HWND window, LPARAM) {
  char caption[128] = "", className[16] = "";
  GetWindowTextA(window, caption, sizeof caption);
  GetClassNameA(window, className, sizeof className);
  if (!IsWindowVisible(window)) return TRUE;
  if (std::string(caption).rfind("Alarm", 0) == 0 && std::string(caption) != "Alarms") {
    seenCaption = caption;
    PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);  // Escape: the close box, changing nothing
    return FALSE;
  }
  return TRUE;
}

void CALLBACK AnswerWhenUp(HWND, UINT, UINT_PTR timer, DWORD) {
  if (!EnumThreadWindows(GetCurrentThreadId(), AnswerModal, 0)) KillTimer(nullptr, timer);
}
}  // namespace

TEST(AlarmsWindowList, ShowsOneRowPerAlarmWithItsWords) {
  StoringHost host = ThreeAlarms();
  TAlarmsWindow window(nullptr, host);
  window.Show();
  EXPECT_EQ(window.AlarmRows[0]->Columns(), (std::array<std::string, 4>{"6:45 AM", "Mon-Fri", "Work", "Tue 8 Dec"}));
  EXPECT_EQ(window.AlarmRows[1]->Columns(), (std::array<std::string, 4>{"9:00 AM", "Sat, Sun", "", "Sat 12 Dec"}));
  EXPECT_EQ(window.AlarmRows[2]->Columns(), (std::array<std::string, 4>{"5:10 AM", "Never", "Early train", "off"}));
  EXPECT_TRUE(window.AlarmRows[2]->Visible());
  EXPECT_FALSE(window.AlarmRows[3]->Visible());
  EXPECT_EQ(window.NextRingPanel->Caption(), "Next alarm: Tuesday 8 December, 06:45 (Work)");
}

TEST(AlarmsWindowList, TheCheckBoxSwitchesTheAlarmThroughTheHost) {
  StoringHost host = ThreeAlarms();
  TAlarmsWindow window(nullptr, host);
  window.Show();
  Click(*window.AlarmRows[0]->ActiveCheck);
  EXPECT_EQ(host.saved, std::vector<int>{1});
  EXPECT_FALSE(host.alarms[0].settings.VelActive);
  EXPECT_EQ(window.AlarmRows[0]->Columns()[3], "off");
  EXPECT_EQ(window.NextRingPanel->Caption(), "Next alarm: Saturday 12 December, 09:00");
}

TEST(AlarmsWindowList, TheReadinessLineSpeaksForTheAlarmThatRingsFirst) {
  StoringHost host = ThreeAlarms();
  host.power.wakeTimersPluggedIn = WakeTimersImportantOnly;
  TAlarmsWindow window(nullptr, host);
  window.Show();
  EXPECT_EQ(window.ReadinessLabel->Caption(), "Only important wake timers are allowed on this PC");
  host.alarms[0].settings.VelWakeFromSleep = false;  // "Work" rings first and asks for no waking
  Click(*window.AlarmRows[2]->ActiveCheck);          // any change shows the list anew
  EXPECT_EQ(window.ReadinessLabel->Caption(), "Waking from sleep is turned off in these options");
  for (NumberedAlarm& alarm : host.alarms) alarm.settings.VelActive = false;
  Click(*window.AlarmRows[2]->ActiveCheck);
  EXPECT_EQ(window.ReadinessLabel->Caption(), "") << "no ring to wake for";
}

TEST(AlarmsWindowList, UpAndDownMoveTheSelectionAndDeleteIsForOtherAlarmsOnly) {
  StoringHost host = ThreeAlarms();
  TAlarmsWindow window(nullptr, host);
  window.Show();
  EXPECT_FALSE(window.DeleteButton->Enabled());
  Key(*window.AlarmRows[0], VK_DOWN);
  EXPECT_EQ(window.SelectedIndex(), 1);
  EXPECT_TRUE(window.DeleteButton->Enabled());
  Click(*window.DeleteButton);
  EXPECT_EQ(host.alarms.size(), 2u);
  EXPECT_EQ(host.alarms[1].number, 3);
  Key(*window.AlarmRows[1], VK_UP);
  EXPECT_EQ(window.SelectedIndex(), 0);
}

TEST(AlarmsWindowList, EnterOnARowOpensItsAlarmWindowAndEscapeChangesNothing) {
  StoringHost host = ThreeAlarms();
  TAlarmsWindow window(nullptr, host);
  window.Show();
  seenCaption.clear();
  ASSERT_NE(SetTimer(nullptr, 0, 20, AnswerWhenUp), 0u);
  Key(*window.AlarmRows[0], VK_RETURN);  // returns once the timer cancelled the window
  EXPECT_EQ(seenCaption, "Alarm 1: Work");
  EXPECT_TRUE(host.saved.empty());
}

TEST(AlarmWindowEdit, OkHandsBackTheEditedValues) {
  StoringHost host = ThreeAlarms();
  TAlarmWindow window(nullptr, 1, host.alarms[0].settings, host);
  window.Show();
  window.AlarmLabelBox->SetText("Gym");
  window.OptionsPanel->DayBoxes[5]->SetChecked(true);  // Saturday
  Click(*window.OnceCheck);
  Click(*window.NoRestartCheck);
  Click(*window.OkButton);
  EXPECT_EQ(window.ModalResult(), mrOk);
  const SettingsRecord& edited = window.Edited();
  EXPECT_EQ(edited.VelLabel, "Gym");
  EXPECT_EQ(edited.VelDays, 0x3E | 0x40);
  EXPECT_TRUE(edited.VelOnce);
  EXPECT_TRUE(edited.VelNoRestart);
  EXPECT_TRUE(edited.VelVolume) << "no restart boosts the volume, as in the dialog";
  EXPECT_FALSE(window.StreamCheck->Enabled());
  EXPECT_EQ(edited.VelWakeupTime, host.alarms[0].settings.VelWakeupTime);
}
