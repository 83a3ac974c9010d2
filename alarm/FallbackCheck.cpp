#include "alarm/FallbackCheck.h"

FallbackCheck::FallbackCheck(int fallbackSeconds, bool fileUsable)
    : phase_(Phase::CheckingAlarm),
      fileUsable_(fileUsable),
      next_{fallbackSeconds > 0 ? FallbackAction::Look : FallbackAction::Done,
            static_cast<std::int64_t>(fallbackSeconds) * 1000} {}

void FallbackCheck::Observe(const PlayerLook& look, std::int64_t atMs) {
  if (next_.action != FallbackAction::Look) return;
  const bool plays = havePreviousLook_ && previousLook_.playing && look.playing &&
                     look.positionMs != previousLook_.positionMs;
  if (phase_ == Phase::Toning) {
    // Each look is compared with the one before, until the player plays or time is up.
    previousLook_ = look;
    havePreviousLook_ = true;
    if (plays || atMs - toneStartMs_ >= ToneLimitMs) {
      phase_ = Phase::Ending;
      next_ = {FallbackAction::StopTone, atMs};
    } else {
      next_ = {FallbackAction::Look, atMs + LookGapMs};
    }
    return;
  }
  if (!havePreviousLook_) {
    previousLook_ = look;
    havePreviousLook_ = true;
    next_ = {FallbackAction::Look, atMs + LookGapMs};
    return;
  }
  havePreviousLook_ = false;
  if (plays)
    next_ = {FallbackAction::Done, atMs};
  else if (phase_ == Phase::CheckingAlarm && fileUsable_)
    next_ = {FallbackAction::PlayFallbackFile, atMs};
  else
    next_ = {FallbackAction::SoundTone, atMs};
}

void FallbackCheck::Carried(std::int64_t atMs) {
  switch (next_.action) {
    case FallbackAction::PlayFallbackFile:
      phase_ = Phase::CheckingFile;
      next_ = {FallbackAction::Look, atMs + FileSettleMs};
      break;
    case FallbackAction::SoundTone:
      phase_ = Phase::Toning;
      toneStartMs_ = atMs;
      next_ = {FallbackAction::Look, atMs + LookGapMs};
      break;
    case FallbackAction::StopTone:
      next_ = {FallbackAction::Done, atMs};
      break;
    default:
      break;
  }
}

void FallbackCheck::UserAnswered(std::int64_t atMs) {
  const bool toneSounds = phase_ == Phase::Toning || next_.action == FallbackAction::StopTone;
  phase_ = Phase::Ending;
  next_ = {toneSounds ? FallbackAction::StopTone : FallbackAction::Done, atMs};
}
