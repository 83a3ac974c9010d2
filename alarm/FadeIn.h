#pragma once
// The fade-in at a ring: from a tenth of the target volume up to the target, in steps
// on a quarter-second grid, never downwards, reaching the target exactly at the end.
#include <cstdint>
#include <vector>

constexpr std::int64_t FadeStepMs = 250;

struct FadeStep {
  std::int64_t atMs;    // from the start of the fade
  std::uint8_t volume;  // of 255
};

// The volume `elapsedMs` into a fade of `fadeSeconds` towards `target`; the target
// itself from the end on, and at once for a fade of 0 seconds.
std::uint8_t FadeVolumeAt(int fadeSeconds, std::uint8_t target, std::int64_t elapsedMs);

// The moments at which the volume changes: the first at 0, the last (the target) at the
// end, unless the target is 0 and nothing rises.
std::vector<FadeStep> FadeSteps(int fadeSeconds, std::uint8_t target);
