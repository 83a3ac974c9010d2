#pragma once
// Tells when a window's thread has taken from its queue every message posted to it so
// far. Windows hands sent messages over before posted ones, so a step that reads a
// control right after a posted click could see it before the click. A marker posted
// behind the step's messages comes out of the queue only after them; a message hook on
// that thread sees it come out.
#include <windows.h>

#include "runtime/NonCopyable.h"

class QueueMarker : NonCopyable {
 public:
  // Hooks the window's thread and posts the marker. A window already gone counts as
  // taken. Throws std::runtime_error when the thread cannot be hooked.
  explicit QueueMarker(HWND window);
  ~QueueMarker();

  bool Taken() const;

 private:
  unsigned serial_;
  HHOOK hook_ = nullptr;
  bool threadGone_ = false;
};
