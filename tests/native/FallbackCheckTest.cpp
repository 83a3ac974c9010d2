#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "alarm/FallbackCheck.h"

namespace {

// A player whose state is a function of the time since the ring; the run carries out
// the check's steps and logs them with their times in seconds.
struct FakePlayerOverTime {
  std::function<PlayerLook(std::int64_t)> lookAt;
  bool fileStartsPlayback = false;
  std::int64_t fileStartedMs = -1;

  std::vector<std::string> Run(FallbackCheck& check, std::int64_t answerAtMs = -1) {
    std::vector<std::string> log;
    for (int guard = 0; guard < 1000; ++guard) {
      const FallbackStep step = check.Next();
      if (answerAtMs >= 0 && step.atMs >= answerAtMs && step.action != FallbackAction::Done) {
        log.push_back("answered " + std::to_string(answerAtMs / 1000));
        check.UserAnswered(answerAtMs);
        answerAtMs = -1;
        continue;
      }
      const std::string at = " " + std::to_string(step.atMs / 1000);
      switch (step.action) {
        case FallbackAction::Look: {
          PlayerLook look = lookAt(step.atMs);
          if (fileStartedMs >= 0) look = {true, static_cast<std::int32_t>(step.atMs - fileStartedMs)};
          check.Observe(look, step.atMs);
          break;
        }
        case FallbackAction::PlayFallbackFile:
          log.push_back("file" + at);
          if (fileStartsPlayback) fileStartedMs = step.atMs;
          check.Carried(step.atMs);
          break;
        case FallbackAction::SoundTone:
          log.push_back("tone" + at);
          check.Carried(step.atMs);
          break;
        case FallbackAction::StopTone:
          log.push_back("tone off" + at);
          check.Carried(step.atMs);
          break;
        case FallbackAction::Done:
          log.push_back("done" + at);
          return log;
      }
    }
    log.push_back("never ended");
    return log;
  }
};

PlayerLook Stopped(std::int64_t) { return {false, 0}; }
PlayerLook Plays(std::int64_t ms) { return {true, static_cast<std::int32_t>(ms)}; }
PlayerLook Frozen(std::int64_t) { return {true, 4200}; }

using Log = std::vector<std::string>;

}  // namespace

TEST(Fallback, APlayerThatPlaysNeedsNothing) {
  FallbackCheck check(30, true);
  EXPECT_EQ((FakePlayerOverTime{Plays}.Run(check)), (Log{"done 33"}));
}

TEST(Fallback, StoppedPlayerGetsTheFileWhichThenPlays) {
  FallbackCheck check(30, true);
  FakePlayerOverTime player{Stopped, true};
  EXPECT_EQ(player.Run(check), (Log{"file 33", "done 41"}));
}

TEST(Fallback, PlayingWithAFrozenPositionCountsAsSilentAndEndsInTheToneWhenTheFileFailsToo) {
  FallbackCheck check(30, true);
  const Log log = FakePlayerOverTime{Frozen}.Run(check);
  ASSERT_GE(log.size(), 3u);
  EXPECT_EQ(log[0], "file 33");
  EXPECT_EQ(log[1], "tone 41");
  EXPECT_EQ(log[2], "tone off 641");  // ten minutes of tone
}

TEST(Fallback, MissingFileGoesStraightToTheTone) {
  FallbackCheck check(30, false);
  const Log log = FakePlayerOverTime{Stopped}.Run(check, 120000);
  EXPECT_EQ(log, (Log{"tone 33", "answered 120", "tone off 120", "done 120"}));
}

TEST(Fallback, APlayerThatStartsLateStopsTheTone) {
  FallbackCheck check(30, false);
  auto startsAtOneMinute = [](std::int64_t ms) { return ms < 60000 ? Stopped(ms) : Plays(ms); };
  EXPECT_EQ((FakePlayerOverTime{startsAtOneMinute}.Run(check)), (Log{"tone 33", "tone off 63", "done 63"}));
}

TEST(Fallback, AnAnswerBeforeTheCheckEndsIt) {
  FallbackCheck check(30, true);
  EXPECT_EQ((FakePlayerOverTime{Stopped}.Run(check, 10000)), (Log{"answered 10", "done 10"}));
}

TEST(Fallback, ZeroSecondsTurnsTheCheckOff) {
  FallbackCheck check(0, true);
  EXPECT_EQ(check.Next().action, FallbackAction::Done);
}
