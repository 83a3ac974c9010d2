#pragma once
// Windows' default playback device: from Vista on its Core Audio endpoint, on XP the
// master line of the first wave-out device's mixer. Both are found at run time, so the
// plug-in imports nothing Windows XP lacks and loads no audio library until a ring.
#include "alarm/SystemSound.h"

class SystemVolumeDevice : public SystemVolume {
 public:
  // None, with a trace saying why, where neither way finds a device (as under Wine without sound).
  std::optional<SoundLevel> Read() override;
  void SetMuted(bool muted) override;
  void SetPercent(int percent) override;
};
