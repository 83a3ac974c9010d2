#pragma once
// The alarm tone through the sound card, with the system's wave output. The sound
// library is loaded at the first tone, so that loading the plug-in needs nothing more.
// Without a sound device the tone stays silent: the alarm goes on without it.
#include <windows.h>
#include <mmsystem.h>

#include <cstdint>
#include <vector>

#include "runtime/NonCopyable.h"

class AlarmTone : NonCopyable {
 public:
  AlarmTone() = default;
  ~AlarmTone() { Stop(); }

  // Starts the tone looping; false (and a line for a debugger) when it cannot sound.
  bool Start();
  void Stop();

 private:
  std::vector<std::int16_t> samples_;
  HWAVEOUT device_ = nullptr;
  WAVEHDR header_{};
};
