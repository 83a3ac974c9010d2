#include "alarm/SystemSound.h"

void SoundRaise::Raise(SystemVolume& volume, int minimumPercent) {
  const std::optional<SoundLevel> level = volume.Read();
  if (!level || (!level->muted && level->percent >= minimumPercent)) return;
  before_ = level;
  left_ = SoundLevel{false, level->percent < minimumPercent ? minimumPercent : level->percent};
  if (level->muted) volume.SetMuted(false);
  if (left_.percent != level->percent) volume.SetPercent(left_.percent);
}

void SoundRaise::Restore(SystemVolume& volume) {
  if (!before_) return;
  const std::optional<SoundLevel> now = volume.Read();
  if (now && !now->muted && now->percent == left_.percent) {
    if (before_->percent != left_.percent) volume.SetPercent(before_->percent);
    if (before_->muted) volume.SetMuted(true);
  }
  before_.reset();
}
