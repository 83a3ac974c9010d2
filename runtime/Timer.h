#pragma once
// A timer component: OnTimer runs every Interval milliseconds on the thread that
// created the timer, through a hidden window of its own.
#include <windows.h>

#include "runtime/Callback.h"

#include "runtime/Component.h"

class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  unsigned Interval() const { return interval_; }
  void SetInterval(unsigned interval);

  Callback<void(TComponent* sender)> OnTimer;

 private:
  void Restart();

  HWND window_ = nullptr;
  bool enabled_ = true;
  unsigned interval_ = 1000;
};
