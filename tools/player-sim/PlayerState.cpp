#include "tools/player-sim/PlayerState.h"

#include <algorithm>
#include <utility>

const char* PlayStateName(PlayState state) {
  switch (state) {
    case PlayState::playing:
      return "playing";
    case PlayState::paused:
      return "paused";
    case PlayState::stopped:
      break;
  }
  return "stopped";
}

PlayerState::PlayerState(std::vector<std::string> playlist, PlayState state, std::optional<std::int32_t> position)
    : playlist_(std::move(playlist)), state_(state), position_(position.value_or(playlist_.empty() ? 0 : 1)) {}

int PlayerState::StatusReply() const {
  switch (state_) {
    case PlayState::playing:
      return 1;
    case PlayState::paused:
      return 3;
    case PlayState::stopped:
      break;
  }
  return 0;
}

std::optional<std::string> PlayerState::Current() const {
  if (position_ < 1 || position_ > Length()) return std::nullopt;
  return playlist_[static_cast<std::size_t>(position_) - 1];
}

void PlayerState::SetVolume(std::int64_t volume) {
  volume_ = static_cast<int>(std::clamp<std::int64_t>(volume, 0, MaxVolume));
}

std::int64_t PlayerState::PlayPositionMs() const {
  if (state_ != PlayState::playing) return 0;
  const auto current = Current();
  if (current && std::find(silentEntries_.begin(), silentEntries_.end(), *current) != silentEntries_.end()) return 0;
  return std::chrono::duration_cast<std::chrono::milliseconds>(MonotonicClock::now() - playingSince_).count();
}

void PlayerState::StartPlayback() {
  if (state_ != PlayState::playing) playingSince_ = MonotonicClock::now();
  state_ = PlayState::playing;
}

std::optional<std::string> PlayerState::Select(std::int32_t position) {
  position_ = position;
  return Current();
}

std::optional<std::string> PlayerState::PressPlay() {
  auto entry = Current();
  if (entry) {
    state_ = PlayState::playing;
    playingSince_ = MonotonicClock::now();  // Play starts the entry from its beginning
  }
  return entry;
}

void PlayerState::PressPause() {
  if (state_ == PlayState::playing)
    state_ = PlayState::paused;
  else if (state_ == PlayState::paused)
    state_ = PlayState::playing;
}

std::int32_t PlayerState::Append(const std::string& entry) {
  playlist_.push_back(entry);
  return Length();
}
