// From creating a window to its first complete paint: what the configure callback and
// the alarm's snooze launcher make the user wait for.
#include "dialogs/ConfigDialog.h"
#include "dialogs/SnoozeWindow.h"
#include "tools/control-bench/Bench.h"

namespace {
struct IgnoredSnooze : SnoozeTarget {
  void SetVolume(std::uint8_t) override {}
  void SetWakeUp(TTime) override {}
  void Disarm() override {}
};

void ShowAndPaintFully(TForm& window) {
  window.Show();
  RedrawWindow(window.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

const BenchCase configDialog("dialogs: configuration dialog created and first painted", [](TForm&) {
  return [] {
    TConfigDlg dialog(nullptr);
    ShowAndPaintFully(dialog);
  };
});

const BenchCase snoozeWindow("dialogs: snooze window created and first painted", [](TForm&) {
  return [] {
    static IgnoredSnooze target;
    TFrmSnooze window(nullptr, target);
    ShowAndPaintFully(window);
  };
});
}  // namespace
