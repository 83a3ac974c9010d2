// Timings of the styled controls: the configuration dialog's largest panel (702 x 159,
// top-to-bottom gradient) and one of its buttons, each painted whole into an
// off-screen bitmap and repainted through its window; and the panel's gradient alone
// by the platform's call and by bands, to show what the fast path buys.
#include <windows.h>

#include <memory>

#include "controls/styled/SCButton.h"
#include "controls/styled/SCPaint.h"
#include "controls/styled/SCPanel.h"
#include "dialogs/DialogLook.h"
#include "runtime/Form.h"
#include "runtime/OffscreenBitmap.h"
#include "tools/control-bench/Bench.h"

namespace {

TSCPanel& InformationPanel(TForm& host) {
  auto* panel = new TSCPanel(&host);
  panel->SetBounds(0, 0, 702, 159);
  panel->SetGradient(scgTopToBottom);
  panel->SetParent(&host);
  return *panel;
}

TSCButton& SaveButton(TForm& host) {
  auto* button = new TSCButton(&host);
  button->SetBounds(524, 126, 175, 31);
  UseButtonLook(*button);
  button->SetCaption("&Save settings");
  button->SetParent(&host);
  return *button;
}

std::function<void()> PaintOffscreen(TWinControl& control) {
  auto image = std::make_shared<OffscreenBitmap>(Size{control.Width(), control.Height()});
  return [&control, image] { control.PaintTo(image->Dc()); };
}

std::function<void()> RepaintWindow(TWinControl& control) {
  return [&control] {
    control.Invalidate();
    control.Update();
  };
}

std::function<void()> GradientOnly(void (*fill)(TCanvas&, const GradientSpan&)) {
  auto image = std::make_shared<OffscreenBitmap>(Size{702, 159});
  return [fill, image] { fill(image->Canvas(), {{0, 0, 702, 159}, scgTopToBottom, clWhite, clNavy}); };
}

const BenchCase panelPaint("styled panel 702x159 paint",
                           [](TForm& host) { return PaintOffscreen(InformationPanel(host)); });
const BenchCase panelRepaint("styled panel 702x159 window repaint",
                             [](TForm& host) { return RepaintWindow(InformationPanel(host)); });
const BenchCase buttonPaint("styled button 175x31 paint", [](TForm& host) { return PaintOffscreen(SaveButton(host)); });
const BenchCase buttonRepaint("styled button 175x31 window repaint",
                              [](TForm& host) { return RepaintWindow(SaveButton(host)); });
const BenchCase platformGradient("styled gradient 702x159 platform call",
                                 [](TForm&) { return GradientOnly(&FillGradient); });
const BenchCase bandedGradient("styled gradient 702x159 bands",
                               [](TForm&) { return GradientOnly(&FillGradientBanded); });

}  // namespace
