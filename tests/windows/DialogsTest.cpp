// The configuration dialog in-process: the links' shell verb and addresses, with the
// shell replaced by a recorder.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/styled/SCButton.h"
#include "controls/styled/SCLabel.h"
#include "controls/styled/SCPanel.h"
#include "dialogs/ConfigDialog.h"
#include "runtime/Shell.h"
#include "tests/windows/WindowTestSupport.h"

namespace {
void Click(TWinControl& control) {
  SendMessageA(control.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageA(control.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
}

class ShellRecorder {
 public:
  ShellRecorder()
      : previous_(ReplaceShellOpener(
            [this](const std::string& verb, const std::string& target) { opened.push_back(verb + " " + target); })) {}
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
