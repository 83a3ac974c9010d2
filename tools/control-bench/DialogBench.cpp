// From creating a window to its first complete paint: what the configure callback and
// the alarm's snooze launcher make the user wait for.
#include <memory>

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

// The window is destroyed after each run, outside the measurement.
template <typename Window, typename... Arguments>
BenchStep CreateAndPaint(Arguments&... arguments) {
  auto shown = std::make_shared<std::unique_ptr<Window>>();
  return BenchStep(
      [shown, &arguments...] {
        *shown = std::make_unique<Window>(nullptr, arguments...);
        ShowAndPaintFully(**shown);
      },
      [shown] { shown->reset(); });
}

IgnoredSnooze snoozeTarget;

const BenchCase configDialog("dialogs: configuration dialog created and first painted",
                             [](TForm&) { return CreateAndPaint<TConfigDlg>(); });

const BenchCase snoozeWindow("dialogs: snooze window created and first painted",
                             [](TForm&) { return CreateAndPaint<TFrmSnooze>(snoozeTarget); });
}  // namespace
