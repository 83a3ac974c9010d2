#include <gtest/gtest.h>

#include <vector>

#include "alarm/FadeIn.h"

TEST(FadeIn, StartsAtATenthRisesOnTheQuarterSecondGridAndEndsAtTheTarget) {
  for (int seconds : {1, 7, 30, 600}) {
    for (int target : {255, 128, 9}) {
      const auto steps = FadeSteps(seconds, static_cast<std::uint8_t>(target));
      EXPECT_EQ(steps.front().atMs, 0);
      EXPECT_EQ(steps.front().volume, target / 10);
      EXPECT_EQ(steps.back().atMs, seconds * 1000) << seconds << " s to " << target;
      EXPECT_EQ(steps.back().volume, target);
      for (std::size_t i = 1; i < steps.size(); ++i) {
        EXPECT_GT(steps[i].volume, steps[i - 1].volume);
        EXPECT_EQ(steps[i].atMs % FadeStepMs, 0);
      }
    }
  }
}

TEST(FadeIn, NoQuarterSecondPassesWithoutTheRiseDueByThen) {
  // With many volume steps per second every grid point must carry its own.
  const auto steps = FadeSteps(10, 255);
  EXPECT_EQ(steps.size(), 10 * 1000 / FadeStepMs + 1);
  for (std::int64_t at = 0; at <= 10000; at += 50) {
    std::uint8_t sent = 0;
    for (const FadeStep& step : steps)
      if (step.atMs <= at) sent = step.volume;
    EXPECT_EQ(sent, FadeVolumeAt(10, 255, at)) << at << " ms";
  }
}

TEST(FadeIn, ZeroSecondsIsTheTargetAtOnce) {
  const auto steps = FadeSteps(0, 200);
  ASSERT_EQ(steps.size(), 1u);
  EXPECT_EQ(steps[0].volume, 200);
  EXPECT_EQ(FadeVolumeAt(5, 200, 5000), 200);
  EXPECT_EQ(FadeVolumeAt(5, 200, 99999), 200);
}
