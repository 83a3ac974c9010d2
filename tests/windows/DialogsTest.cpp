// The two windows in-process: the links' shell verb and addresses, and the snooze
// window's answers and changes, with the shell and the alarm replaced by recorders.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "controls/styled/SCButton.h"
#include "controls/styled/SCLabel.h"
#include "controls/styled/SCPanel.h"
#include "dialogs/ConfigDialog.h"
#include "dialogs/SnoozeWindow.h"
#include "runtime/LocalTime.h"
#include "runtime/Shell.h"
#include "runtime/Timer.h"
#include "tests/windows/WindowTestSupport.h"

namespace {
void Click(TWinControl& control) {
  SendMessageA(control.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageA(control.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
}

class ShellRecorder {
 public:
  ShellRecorder()
      : previous_(ReplaceShellOpener([this](const std::string& verb, const std::string& target) {
          opened.push_back(verb + " " + target);
        })) {}
  ~ShellRecorder() { ReplaceShellOpener(std::move(previous_)); }
  std::vector<std::string> opened;

 private:
  ShellOpener previous_;
};
}  // namespace

TEST(ConfigurationDialogLinks, EachLinkOpensItsAddressWithTheOpenVerb) {
  ShellRecorder shell;
  TConfigDlg dialog(nullptr);
  dialog.Show();
  Click(*dialog.ShoutcastButton);
  Click(*dialog.HomepageLink);
  Click(*dialog.BannerPanel);
  Click(*dialog.DonateLink);
  EXPECT_EQ(shell.opened, (std::vector<std::string>{std::string("open ") + ConfigLinks::Shoutcast,
                                                    std::string("open ") + ConfigLinks::Homepage,
                                                    std::string("open ") + ConfigLinks::Homepage,
                                                    std::string("open ") + ConfigLinks::Donation}));
}

namespace {
struct RecordingTarget : SnoozeTarget {
  std::vector<int> volumes;
  std::vector<TTime> wakeUps;
  int disarms = 0;
  void SetVolume(std::uint8_t volume) override { volumes.push_back(volume); }
  void SetWakeUp(TTime wakeUp) override { wakeUps.push_back(wakeUp); }
  void Disarm() override { ++disarms; }
};

// Only a window that ignores the user's answer stays open this long.
constexpr unsigned SnoozeDeadlineMs = 20000;

// Runs a new snooze window modally and lets `act` do what the user does once it shows.
// A window still open at the deadline fails the test and is closed.
int RunSnooze(RecordingTarget& target, const std::function<void(TFrmSnooze&)>& act) {
  TFrmSnooze window(nullptr, target);
  TTimer user(nullptr);
  user.SetInterval(1);
  user.OnTimer = [&](TComponent*) {
    user.SetEnabled(false);
    act(window);
  };
  TTimer deadline(nullptr);
  deadline.SetInterval(SnoozeDeadlineMs);
  deadline.OnTimer = [&](TComponent*) {
    deadline.SetEnabled(false);
    ADD_FAILURE() << "the snooze window did not close";
    PostMessageA(window.Handle(), WM_CLOSE, 0, 0);
  };
  return window.ShowModal();
}
}  // namespace

TEST(SnoozeWindowAnswers, SnoozeSetsVolumeFiftyAndWakesSevenMinutesTwelveAfterThePress) {
  RecordingTarget target;
  const TTime before = LocalTimeOfDay();
  EXPECT_EQ(RunSnooze(target, [](TFrmSnooze& w) { Click(*w.SnoozeButton); }), SnoozeAnswerSnoozed);
  EXPECT_EQ(target.volumes, std::vector<int>{50});
  ASSERT_EQ(target.wakeUps.size(), 1u);
  EXPECT_NEAR(target.wakeUps[0], before + 0.005, 5.0 / 86400);
  EXPECT_EQ(target.disarms, 0);
}

TEST(SnoozeWindowAnswers, DisableDisarmsAndTheCloseBoxChangesNothing) {
  RecordingTarget target;
  EXPECT_EQ(RunSnooze(target, [](TFrmSnooze& w) { Click(*w.DisableButton); }), SnoozeAnswerDisabled);
  EXPECT_EQ(target.disarms, 1);
  EXPECT_EQ(RunSnooze(target, [](TFrmSnooze& w) { PostMessageA(w.Handle(), WM_CLOSE, 0, 0); }), SnoozeAnswerDisabled);
  EXPECT_EQ(target.disarms, 1);
  EXPECT_TRUE(target.volumes.empty());
  EXPECT_TRUE(target.wakeUps.empty());
}
