#include "tools/player-sim/ConfigRequests.h"

#include <stdexcept>
#include <utility>

#include "runtime/SystemError.h"

UINT ConfigRequests::Message() {
  static const UINT message = RegisterWindowMessageA("PlayerSimOpenConfig");
  return message;
}

void ConfigRequests::Serve(ConfigCall callConfig) {
  const LockHolder hold(lock_);
  callConfig_ = std::move(callConfig);
}

void ConfigRequests::Refuse(const std::string& reason) {
  const LockHolder hold(lock_);
  callConfig_ = nullptr;
  refusal_ = reason;
}

void ConfigRequests::Close(const std::string& reason) {
  const LockHolder hold(lock_);
  callConfig_ = nullptr;
  refusal_ = reason;
  closed_ = true;
}

unsigned ConfigRequests::Post(HWND player) {
  unsigned ticket;
  {
    const LockHolder hold(lock_);
    ticket = ++posted_;
  }
  if (!PostMessageA(player, Message(), ticket, 0))
    throw std::runtime_error("cannot post to the player window: " + SystemErrorText(GetLastError()));
  return ticket;
}

std::optional<std::string> ConfigRequests::Outcome(unsigned ticket) {
  const LockHolder hold(lock_);
  if (answered_ >= ticket) return answer_;
  if (closed_) return refusal_;
  return std::nullopt;
}

void ConfigRequests::Handle(WPARAM ticket) {
  const auto number = static_cast<unsigned>(ticket);
  ConfigCall callConfig;
  std::string refusal;
  {
    const LockHolder hold(lock_);
    callConfig = callConfig_;
    refusal = refusal_;
  }
  if (!callConfig) return Answer(number, refusal);
  // The step returns before config does: its dialog may hold the player's thread long.
  callConfig([&] { Answer(number, std::string()); });
}

void ConfigRequests::Answer(unsigned ticket, const std::string& answer) {
  const LockHolder hold(lock_);
  answer_ = answer;
  answered_ = ticket;
}
