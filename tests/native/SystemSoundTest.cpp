// Windows' sound at a ring: raised when muted or low, put back as it was afterwards
// unless the user has touched it meanwhile.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "alarm/SystemSound.h"

namespace {
// The default playback device; none when `present` is false.
struct FakeDevice : SystemVolume {
  bool present = true;
  SoundLevel level;
  std::vector<std::string> changes;

  std::optional<SoundLevel> Read() override { return present ? std::optional<SoundLevel>(level) : std::nullopt; }
  void SetMuted(bool muted) override {
    level.muted = muted;
    changes.push_back(muted ? "mute" : "unmute");
  }
  void SetPercent(int percent) override {
    level.percent = percent;
    changes.push_back(std::to_string(percent) + "%");
  }
};

FakeDevice Device(bool muted, int percent) {
  FakeDevice device;
  device.level = SoundLevel{muted, percent};
  return device;
}
}  // namespace

TEST(SystemSound, AMutedLowDeviceIsUnmutedRaisedAndPutBackAfterTheRing) {
  FakeDevice device = Device(true, 10);
  SoundRaise raise;
  raise.Raise(device, 30);
  EXPECT_EQ(device.changes, (std::vector<std::string>{"unmute", "30%"}));
  raise.Restore(device);
  EXPECT_EQ(device.changes, (std::vector<std::string>{"unmute", "30%", "10%", "mute"}));
  raise.Restore(device);
  EXPECT_EQ(device.changes.size(), 4u) << "put back once";
}

TEST(SystemSound, AMutedLoudDeviceIsOnlyUnmutedAndALowOneOnlyRaised) {
  FakeDevice muted = Device(true, 80);
  SoundRaise unmute;
  unmute.Raise(muted, 30);
  unmute.Restore(muted);
  EXPECT_EQ(muted.changes, (std::vector<std::string>{"unmute", "mute"}));
  FakeDevice low = Device(false, 5);
  SoundRaise raise;
  raise.Raise(low, 30);
  raise.Restore(low);
  EXPECT_EQ(low.changes, (std::vector<std::string>{"30%", "5%"}));
}

TEST(SystemSound, ADeviceLoudEnoughOrMissingIsLeftAlone) {
  FakeDevice loud = Device(false, 30);
  FakeDevice none;
  none.present = false;
  for (FakeDevice* device : {&loud, &none}) {
    SoundRaise raise;
    raise.Raise(*device, 30);
    EXPECT_FALSE(raise.Changed());
    raise.Restore(*device);
    EXPECT_TRUE(device->changes.empty());
  }
}

TEST(SystemSound, WhatTheUserChangedDuringTheRingStaysTheirs) {
  struct Touch {
    const char* what;
    SoundLevel during;
  };
  for (const Touch& touch : {Touch{"volume moved", {false, 55}}, Touch{"muted again", {true, 30}}}) {
    FakeDevice device = Device(true, 10);
    SoundRaise raise;
    raise.Raise(device, 30);
    device.level = touch.during;
    device.changes.clear();
    raise.Restore(device);
    EXPECT_TRUE(device.changes.empty()) << touch.what;
  }
}

TEST(SystemSound, ADeviceGoneBeforeTheEndIsForgottenWithoutAWord) {
  FakeDevice device = Device(true, 10);
  SoundRaise raise;
  raise.Raise(device, 30);
  device.present = false;
  raise.Restore(device);
  EXPECT_FALSE(raise.Changed());
}
