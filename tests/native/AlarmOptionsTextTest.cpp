#include <gtest/gtest.h>

#include <cstdlib>

#include "PosixTimeZone.h"
#include "dialogs/AlarmOptionsText.h"
#include "plugin/AlarmToneWave.h"

TEST(DurationWords, EveryOfferedLengthReadsBackAsItself) {
  for (const auto* choices : {&SnoozeChoices(), &FadeChoices(), &FallbackChoices()})
    for (int seconds : *choices) EXPECT_EQ(ParseDuration(DurationText(seconds)), seconds) << DurationText(seconds);
  EXPECT_EQ(DurationText(432), "7 minutes 12 seconds");
  EXPECT_EQ(DurationText(3600), "1 hour");
  EXPECT_EQ(DurationText(61), "1 minute 1 second");
  EXPECT_EQ(DurationText(0), "Off");
}

TEST(DurationWords, TypedLengthsInShortAndMixedForms) {
  EXPECT_EQ(ParseDuration("10 MIN"), 600);
  EXPECT_EQ(ParseDuration(" 1 h 30 s "), 3630);
  EXPECT_EQ(ParseDuration("off"), 0);
  EXPECT_EQ(ParseDuration("45 seconds"), 45);
}

TEST(DurationWords, AnythingElseIsNoLength) {
  for (const char* text : {"", "10", "ten minutes", "5 minutes and", "-5 minutes", "5 lightyears", "off 5",
                           "99999999999999999999 hours", "100000 hours", "9000000000000000000 hours"})
    EXPECT_EQ(ParseDuration(text), std::nullopt) << text;
}

TEST(NextAlarmWords, NamesTheLocalDayAndTimeOfTheRing) {
  const PosixTimeZone berlin("Europe/Berlin");
  RingSlot slot;
  slot.start = LocalInstant(berlin, 2026, 12, 8, 7, 30);
  EXPECT_EQ(NextAlarmText(slot, berlin), "Next alarm: Tuesday 8 December, 07:30");
  EXPECT_EQ(NextAlarmText(std::nullopt, berlin), "Alarm is off");
}

TEST(NextAlarmWords, SkipDateInWordsOnlyForARealDate) {
  EXPECT_EQ(SkipText(20270101), "Skipping Friday 1 January");
  EXPECT_EQ(SkipText(0), "");
  EXPECT_EQ(SkipText(20270230), "");
}

TEST(AlarmToneWave, BeepsLoudlyAndLoopsWithoutAClick) {
  const std::vector<std::int16_t> bar = AlarmToneBar(ToneSampleRate);
  ASSERT_GT(bar.size(), static_cast<std::size_t>(ToneSampleRate / 2));
  int loudest = 0;
  for (std::int16_t sample : bar) loudest = std::max(loudest, std::abs(static_cast<int>(sample)));
  EXPECT_GT(loudest, 16000);
  EXPECT_EQ(bar.front(), 0);
  EXPECT_EQ(bar.back(), 0);
}
