#pragma once
// Windows' own sound at a ring: a muted or nearly silent playback device would leave the
// alarm playing into silence, whatever the player's volume. The ring unmutes it and
// raises it to a minimum, and afterwards puts back exactly what it changed, unless the
// user has changed it meanwhile.
#include <optional>

struct SoundLevel {
  bool muted = false;
  int percent = 0;  // the master volume, 0 to 100
};

// The default playback device's master volume and mute switch.
class SystemVolume {
 public:
  virtual ~SystemVolume() = default;
  // None when there is no device to read.
  virtual std::optional<SoundLevel> Read() = 0;
  virtual void SetMuted(bool muted) = 0;
  virtual void SetPercent(int percent) = 0;
};

// What one ring changed of the system's sound, and how to put it back.
class SoundRaise {
 public:
  // Unmutes, and raises the volume to `minimumPercent` when it is lower.
  void Raise(SystemVolume& volume, int minimumPercent);
  // Puts back what Raise changed while the device still shows what Raise left: a device
  // the user has touched since is theirs. Then nothing is left to put back.
  void Restore(SystemVolume& volume);
  bool Changed() const { return before_.has_value(); }

 private:
  std::optional<SoundLevel> before_;  // only when Raise changed something
  SoundLevel left_;
};
