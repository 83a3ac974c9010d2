#pragma once
// A player that logs the alarm's commands, for the loop's tests.
#include <string>
#include <vector>

#include "player/PlayerCommands.h"

class FakePlayer : public PlayerCommands {
 public:
  std::vector<std::string> calls;
  TGPFWinAmpPlayStatus status = wpsStopped;
  std::int32_t length = 0;

  TGPFWinAmpPlayStatus GetPlayStatus() override {
    calls.push_back("status");
    return status;
  }
  std::int32_t GetPlaylistLength() override {
    calls.push_back("length");
    return length;
  }
  void SetPlaylistPosition(std::int32_t p) override { calls.push_back("position " + std::to_string(p)); }
  void SetVolume(std::uint8_t v) override { calls.push_back("volume " + std::to_string(v)); }
  void StartPlay() override { calls.push_back("start"); }
  void Play() override { calls.push_back("play"); }
  void Pause() override { calls.push_back("pause"); }
  void AddFile(const std::string& a) override {
    calls.push_back("add '" + a + "'");
    ++length;
  }
};
