#pragma once
// What the simulated player knows: its playlist, volume, current entry and play state.
// Positions count from 1 here: position n is the n-th entry, 0 means no entry, so the
// alarm's "select the position equal to the playlist length" picks the entry it added.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "runtime/MonotonicClock.h"

enum class PlayState { stopped, playing, paused };

const char* PlayStateName(PlayState state);

class PlayerState {
 public:
  static constexpr int MaxVolume = 255;
  static constexpr int StartVolume = 128;

  // Without a position the first entry is current, as in a player just started.
  PlayerState(std::vector<std::string> playlist, PlayState state, std::optional<std::int32_t> position);

  PlayState State() const { return state_; }
  // The player's answer to its status query: 1 playing, 3 paused, 0 stopped.
  int StatusReply() const;
  int Volume() const { return volume_; }
  std::int32_t Position() const { return position_; }
  std::int32_t Length() const { return static_cast<std::int32_t>(playlist_.size()); }
  const std::vector<std::string>& Playlist() const { return playlist_; }
  // The current entry, or nothing when the position selects none.
  std::optional<std::string> Current() const;

  // The play position in milliseconds: counted from the last start of playback while
  // playing, 0 otherwise, and 0 throughout while a silent entry plays (a stream that
  // never delivers a sound).
  std::int64_t PlayPositionMs() const;
  void SetSilentEntries(std::vector<std::string> entries) { silentEntries_ = std::move(entries); }
  // The length every entry answers (WM_USER wParam 1 lParam 105), when one is given.
  std::optional<int> TrackSeconds() const { return trackSeconds_; }
  void SetTrackSeconds(std::optional<int> seconds) { trackSeconds_ = seconds; }

  // Clamped to 0..255.
  void SetVolume(std::int64_t volume);
  // Returns the entry selected, or nothing when 0 or past the end.
  std::optional<std::string> Select(std::int32_t position);
  // Resumes or starts: a position already moving goes on.
  void StartPlayback();
  // The Play button: plays the current entry; without one nothing changes.
  std::optional<std::string> PressPlay();
  // The Pause button: pauses what plays, resumes what is paused; a stopped player stays so.
  void PressPause();
  // The Stop button: whatever plays or is paused stops.
  void PressStop() { state_ = PlayState::stopped; }
  // Returns the number of entries afterwards.
  std::int32_t Append(const std::string& entry);

 private:
  std::vector<std::string> playlist_;
  PlayState state_;
  std::int32_t position_;
  int volume_ = StartVolume;
  MonotonicClock::time_point playingSince_ = MonotonicClock::now();
  std::vector<std::string> silentEntries_;
  std::optional<int> trackSeconds_;
};
