#pragma once
// How the user's steps wait: each wait polls its condition, gives up after the step
// deadline and stops at once when the simulator ends.
#include <windows.h>

#include <atomic>
#include <functional>

// Only a fault makes a window or a state wait this long, even under emulation.
constexpr DWORD StepDeadlineMs = 30000;

// Thrown when the simulator is ending: the script stops where it is.
struct UiStopped {};

class UiWaits {
 public:
  explicit UiWaits(const std::atomic<bool>& stopping) : stopping_(stopping) {}

  // Polls `condition` until it holds (true) or `limitMs` has passed (false).
  bool Until(const std::function<bool()>& condition, DWORD limitMs) const;
  // Throws std::runtime_error when `condition` does not hold within the step deadline.
  void MustBecome(const std::function<bool()>& condition) const;
  // Returns once the thread of `window` has taken everything posted to it so far, or the
  // window has closed (its thread may then wait without taking messages, as the alarm
  // worker does after the snooze window).
  void Settle(HWND window) const;

 private:
  const std::atomic<bool>& stopping_;
};
