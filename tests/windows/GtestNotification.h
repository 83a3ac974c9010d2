#pragma once
// GoogleTest's Notification is written over std::mutex, which the win32 thread model's
// C++ library lacks. This one, over a Windows event, stands in for it in the test
// programs (built with GTEST_HAS_NOTIFICATION_ and this header included first).
#include <windows.h>

namespace testing {
namespace internal {

class Notification {
 public:
  Notification() : event_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
  ~Notification() { CloseHandle(event_); }
  Notification(const Notification&) = delete;
  Notification& operator=(const Notification&) = delete;

  void Notify() { SetEvent(event_); }
  void WaitForNotification() { WaitForSingleObject(event_, INFINITE); }

 private:
  HANDLE event_;
};

}  // namespace internal
}  // namespace testing
