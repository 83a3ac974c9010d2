#include "alarm/FadeIn.h"

std::uint8_t FadeVolumeAt(int fadeSeconds, std::uint8_t target, std::int64_t elapsedMs) {
  const std::int64_t lengthMs = static_cast<std::int64_t>(fadeSeconds) * 1000;
  if (lengthMs <= 0 || elapsedMs >= lengthMs) return target;
  const std::int64_t start = target / 10;
  // Whole steps only, so the volume changes on the grid and rises with time.
  const std::int64_t stepStart = elapsedMs < 0 ? 0 : elapsedMs / FadeStepMs * FadeStepMs;
  return static_cast<std::uint8_t>(start + (target - start) * stepStart / lengthMs);
}

std::vector<FadeStep> FadeSteps(int fadeSeconds, std::uint8_t target) {
  const std::int64_t lengthMs = fadeSeconds > 0 ? static_cast<std::int64_t>(fadeSeconds) * 1000 : 0;
  std::vector<FadeStep> steps{{0, FadeVolumeAt(fadeSeconds, target, 0)}};
  for (std::int64_t at = FadeStepMs; at <= lengthMs; at += FadeStepMs) {
    const std::uint8_t volume = FadeVolumeAt(fadeSeconds, target, at);
    if (volume != steps.back().volume) steps.push_back({at, volume});
  }
  return steps;
}
