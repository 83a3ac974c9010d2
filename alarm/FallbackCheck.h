#pragma once
// After a ring meant to start playback: does the player really play? If not, play the
// fallback file, and if that fails too, sound the plug-in's own tone. A decision
// machine only: the caller looks at the player, adds the file, sounds and stops the
// tone, and reports back; times are milliseconds since the ring.
//
// "Plays" means two looks a few seconds apart both find the player playing (status 1)
// with its play position moved between them: a stream that hangs still reads as playing.
#include <cstdint>

constexpr std::int64_t LookGapMs = 3000;
constexpr std::int64_t FileSettleMs = 5000;  // a local file starts at once; give it a moment
constexpr std::int64_t ToneLimitMs = 10 * 60 * 1000;

enum class FallbackAction {
  Look,              // ask the play status and the play position, then Observe
  PlayFallbackFile,  // add the file, select it, press Play (as the alarm does), then Carried
  SoundTone,         // then Carried
  StopTone,          // then Carried
  Done               // nothing more to do
};

struct FallbackStep {
  FallbackAction action;
  std::int64_t atMs;  // when to take it
};

struct PlayerLook {
  bool playing;
  std::int32_t positionMs;
};

class FallbackCheck {
 public:
  // `fallbackSeconds` 0 turns the check off; `fileUsable`: a fallback file is set and exists.
  FallbackCheck(int fallbackSeconds, bool fileUsable);

  FallbackStep Next() const { return next_; }
  // The answers to the Look step, taken at `atMs`.
  void Observe(const PlayerLook& look, std::int64_t atMs);
  // The PlayFallbackFile, SoundTone or StopTone step was taken at `atMs`.
  void Carried(std::int64_t atMs);
  // The user answered the snooze window: the check ends, and a tone stops.
  void UserAnswered(std::int64_t atMs);

 private:
  enum class Phase { CheckingAlarm, CheckingFile, Toning, Ending };
  Phase phase_;
  bool fileUsable_;
  bool havePreviousLook_ = false;
  PlayerLook previousLook_{};
  std::int64_t toneStartMs_ = 0;
  FallbackStep next_;
};
