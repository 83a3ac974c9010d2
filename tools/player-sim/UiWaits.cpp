#include "tools/player-sim/UiWaits.h"

#include <stdexcept>

#include "tools/player-sim/LogText.h"
#include "tools/player-sim/QueueMarker.h"

namespace {
constexpr DWORD PollMs = 20;
}

bool UiWaits::Until(const std::function<bool()>& condition, DWORD limitMs) const {
  for (const DWORD start = GetTickCount();;) {
    // A condition met as the simulator ends still counts: a refused config step says why.
    if (condition()) return true;
    if (stopping_) throw UiStopped{};
    if (GetTickCount() - start >= limitMs) return false;
    Sleep(PollMs);
  }
}

void UiWaits::MustBecome(const std::function<bool()>& condition) const {
  if (!Until(condition, StepDeadlineMs)) throw std::runtime_error(Format("not within %lu ms", StepDeadlineMs));
}

void UiWaits::Settle(HWND window) const {
  const QueueMarker marker(window);
  MustBecome([&] { return marker.Taken() || !IsWindowVisible(window); });
}
