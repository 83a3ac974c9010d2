#pragma once
// The user's "config" step opens the plug-in's preferences as the player does: on the
// player's thread, from its window procedure. The step posts a request to the player
// window and waits only until config is being called, since the plug-in's dialog then
// runs modally on the player's thread.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "runtime/Lock.h"
#include "runtime/NonCopyable.h"

class ConfigRequests : NonCopyable {
 public:
  // The private message the player window hands to Handle; wParam carries the ticket.
  static UINT Message();

  // Logs and calls the plug-in's config, running `calling` right before the call.
  using ConfigCall = std::function<void(const std::function<void()>& calling)>;

  // Player's thread: from now on a request runs `callConfig`...
  void Serve(ConfigCall callConfig);
  // ... or is refused for this reason.
  void Refuse(const std::string& reason);
  // Any thread: the plug-in is gone for good; every request still waiting, and every
  // later one, is refused for this reason at once (the player's thread may never again
  // take messages).
  void Close(const std::string& reason);

  // Any thread: posts a request to the player window and returns its ticket. Throws
  // std::runtime_error when the post fails.
  unsigned Post(HWND player);
  // Any thread: nothing while the request waits; then "" once config is being called,
  // or the reason it is not.
  std::optional<std::string> Outcome(unsigned ticket);

  // Player's thread, on Message().
  void Handle(WPARAM ticket);

 private:
  void Answer(unsigned ticket, const std::string& answer);

  Lock lock_;
  ConfigCall callConfig_;
  std::string refusal_ = "the plug-in is not loaded yet";
  bool closed_ = false;
  unsigned posted_ = 0;
  unsigned answered_ = 0;
  std::string answer_;
};
