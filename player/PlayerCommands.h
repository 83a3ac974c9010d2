#pragma once
// What the alarm asks of the player: one synchronous command each.
#include <cstdint>
#include <string>

enum TGPFWinAmpPlayStatus : std::uint8_t { wpsPlaying = 0, wpsStopped = 1, wpsPaused = 2 };

// The player answers its status query with 1 while playing and 3 while paused;
// anything else, a missing player's 0 included, means stopped.
inline TGPFWinAmpPlayStatus PlayStatusFromReply(std::intptr_t reply) {
  if (reply == 1) return wpsPlaying;
  if (reply == 3) return wpsPaused;
  return wpsStopped;
}

// How an address reaches the playlist.
enum class EnqueueBy : std::uint8_t { CopyData, WideEnqueue };

// Only an address the ANSI code page cannot carry goes by the wide message, and only to a
// player that knows it (version 0x5000 and more); every other address reaches every
// player by the original copy-data message, as it always did.
inline EnqueueBy ChooseEnqueue(std::intptr_t playerVersion, bool fitsCodePage) {
  return !fitsCodePage && playerVersion >= 0x5000 ? EnqueueBy::WideEnqueue : EnqueueBy::CopyData;
}

class PlayerCommands {
 public:
  virtual ~PlayerCommands() = default;
  virtual TGPFWinAmpPlayStatus GetPlayStatus() = 0;
  virtual std::int32_t GetPlaylistLength() = 0;
  virtual void SetPlaylistPosition(std::int32_t position) = 0;
  virtual void SetVolume(std::uint8_t volume) = 0;
  virtual void StartPlay() = 0;
  virtual void Play() = 0;
  virtual void Pause() = 0;
  // `address` is UTF-8.
  virtual void AddFile(const std::string& address) = 0;
};

// What the ring asks the player beside its commands: the volume before a fade, and
// whether a sound really plays.
class PlayerProbe {
 public:
  virtual ~PlayerProbe() = default;
  virtual std::uint8_t GetVolume() = 0;
  // Milliseconds into the current entry.
  virtual std::int32_t GetPlayPosition() = 0;
};
