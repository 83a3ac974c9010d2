#include <gtest/gtest.h>

#include <string>

#include "PosixTimeZone.h"
#include "alarm/MissedRing.h"
#include "dialogs/AlarmListText.h"

namespace {
// VelDays bits of the days named, Monday 1 ... Saturday 6, Sunday 0.
int Days(std::initializer_list<int> dayNumbers) {
  int days = 0;
  for (int day : dayNumbers) days |= 1 << day;
  return days;
}
constexpr int Sun = 0, Mon = 1, Tue = 2, Wed = 3, Thu = 4, Fri = 5, Sat = 6;
}  // namespace

TEST(DaysInShortWords, WholeWeekWorkweekAndWeekendHaveTheirNames) {
  EXPECT_EQ(DaysInShortWords(Days({Sun, Mon, Tue, Wed, Thu, Fri, Sat}), false), "Every day");
  EXPECT_EQ(DaysInShortWords(Days({Mon, Tue, Wed, Thu, Fri}), false), "Mon-Fri");
  EXPECT_EQ(DaysInShortWords(Days({Sat, Sun}), false), "Sat, Sun");
}

TEST(DaysInShortWords, OtherDaysAreListedMondayFirst) {
  EXPECT_EQ(DaysInShortWords(Days({Fri, Mon, Wed}), false), "Mon, Wed, Fri");
  // Sunday is bit 0 but comes last in a week that starts on Monday.
  EXPECT_EQ(DaysInShortWords(Days({Sun, Tue}), false), "Tue, Sun");
  EXPECT_EQ(DaysInShortWords(Days({Sat}), false), "Sat");
}

TEST(DaysInShortWords, ThreeOrMoreDaysInARowBecomeARange) {
  EXPECT_EQ(DaysInShortWords(Days({Mon, Tue, Wed, Thu}), false), "Mon-Thu");
  EXPECT_EQ(DaysInShortWords(Days({Mon, Tue}), false), "Mon, Tue");
  EXPECT_EQ(DaysInShortWords(Days({Mon, Tue, Wed, Fri, Sat, Sun}), false), "Mon-Wed, Fri-Sun");
  EXPECT_EQ(DaysInShortWords(Days({Mon, Tue, Wed, Thu, Fri, Sat}), false), "Mon-Sat");
}

TEST(DaysInShortWords, OneOffAndNoDays) {
  EXPECT_EQ(DaysInShortWords(Days({Mon, Tue, Wed, Thu, Fri}), true), "Once");
  EXPECT_EQ(DaysInShortWords(0, false), "Never");
}

TEST(RingWords, RowNamesTheLocalDayInShortOrOff) {
  const PosixTimeZone berlin("Europe/Berlin");
  RingSlot slot;
  // Half past midnight in Berlin is still the day before in UTC: the local day counts.
  slot.start = LocalInstant(berlin, 2026, 12, 8, 0, 30);
  EXPECT_EQ(RowNextRingText(slot, berlin), "Tue 8 Dec");
  EXPECT_EQ(RowNextRingText(std::nullopt, berlin), "off");
}

TEST(RingWords, NextOfAllNamesTheLabelOnlyWhenThereIsOne) {
  const PosixTimeZone berlin("Europe/Berlin");
  RingSlot slot;
  slot.start = LocalInstant(berlin, 2026, 12, 8, 6, 45);
  EXPECT_EQ(LabelledNextAlarmText(slot, "Work", berlin), "Next alarm: Tuesday 8 December, 06:45 (Work)");
  EXPECT_EQ(LabelledNextAlarmText(slot, "", berlin), "Next alarm: Tuesday 8 December, 06:45");
  EXPECT_EQ(LabelledNextAlarmText(std::nullopt, "Work", berlin), "Alarm is off");
}

TEST(RingWords, LongLabelsAreCutToTheShownLength) {
  const PosixTimeZone berlin("Europe/Berlin");
  RingSlot slot;
  slot.start = LocalInstant(berlin, 2026, 12, 8, 6, 45);
  const std::string label = std::string(60, 'a') + "TAIL";
  EXPECT_EQ(LabelledNextAlarmText(slot, label, berlin),
            "Next alarm: Tuesday 8 December, 06:45 (" + std::string(60, 'a') + ")");
  EXPECT_EQ(AlarmCaption(3, label), "Alarm 3: " + std::string(60, 'a'));
}

TEST(AlarmWords, TimeAsThePickerWritesIt) {
  EXPECT_EQ(AlarmTimeText(EncodeTime(6, 45, 0, 0)), "6:45 AM");
  EXPECT_EQ(AlarmTimeText(EncodeTime(17, 5, 0, 0)), "5:05 PM");
}

TEST(AlarmWords, CaptionNamesNumberAndLabel) {
  EXPECT_EQ(AlarmCaption(3, "Work"), "Alarm 3: Work");
  EXPECT_EQ(AlarmCaption(12, ""), "Alarm 12");
  EXPECT_EQ(AlarmCaption(0, "Work"), "Alarm");
}

TEST(RingWords, AMissedRingNamesTheAlarmItsLocalTimeAndWhy) {
  const PosixTimeZone berlin("Europe/Berlin");
  const UtcMs planned = LocalInstant(berlin, 2026, 12, 8, 6, 45);
  EXPECT_EQ(MissedRingText(2, "Work", planned, MissReasonText(MissReason::Asleep), berlin),
            "Alarm 2: Work, Tuesday 8 December, 06:45. The PC was asleep and did not wake in time");
  EXPECT_EQ(MissedRingText(1, "", planned, MissReasonText(MissReason::ClockMoved), berlin),
            "Alarm 1, Tuesday 8 December, 06:45. The clock moved past it");
}
