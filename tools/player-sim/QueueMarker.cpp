#include "tools/player-sim/QueueMarker.h"

#include <atomic>
#include <stdexcept>

#include "runtime/SystemError.h"

namespace {
std::atomic<unsigned> markersPosted{0};
std::atomic<unsigned> lastMarkerTaken{0};

UINT MarkerMessage() {
  static const UINT message = RegisterWindowMessageA("PlayerSimQueueMarker");
  return message;
}

// Runs on the hooked thread each time it takes a message from its queue.
LRESULT CALLBACK SeeMarker(int code, WPARAM removal, LPARAM data) {
  const auto* message = reinterpret_cast<const MSG*>(data);
  if (code == HC_ACTION && (removal & PM_REMOVE) && !message->hwnd && message->message == MarkerMessage())
    lastMarkerTaken = static_cast<unsigned>(message->wParam);
  return CallNextHookEx(nullptr, code, removal, data);
}
}  // namespace

QueueMarker::QueueMarker(HWND window) : serial_(++markersPosted) {
  const DWORD thread = GetWindowThreadProcessId(window, nullptr);
  if (!thread) {
    threadGone_ = true;
    return;
  }
  hook_ = SetWindowsHookExA(WH_GETMESSAGE, &SeeMarker, nullptr, thread);
  if (!hook_) throw std::runtime_error("cannot watch the window's thread: " + SystemErrorText(GetLastError()));
  // A thread message: it stays in the queue even when the step closes the window.
  if (!PostThreadMessageA(thread, MarkerMessage(), serial_, 0)) threadGone_ = true;
}

QueueMarker::~QueueMarker() {
  if (hook_) UnhookWindowsHookEx(hook_);
}

bool QueueMarker::Taken() const { return threadGone_ || lastMarkerTaken >= serial_; }
