// Timings of the time picker: one full paint of the configuration dialog's 334 x 202
// picker into an off-screen bitmap (classic and themed), and a Time update with its
// repaint through the window, as the snooze window's clock does every second.
#include <windows.h>
#include <uxtheme.h>

#include <memory>
#include <stdexcept>

#include "controls/timepicker/TimePicker.h"
#include "runtime/Form.h"
#include "runtime/OffscreenBitmap.h"
#include "tools/control-bench/Bench.h"

namespace {

enum class Drawing { Classic, Themed };

TRzTimePicker& DialogPicker(TForm& host, Drawing drawing) {
  auto* picker = new TRzTimePicker(&host);
  picker->SetBounds(0, 36, 334, 202);
  picker->SetBorderSides(NoBorderSides);
  picker->SetParent(&host);
  picker->SetTime(EncodeTime(6, 45, 0, 0));
  if (drawing == Drawing::Classic && FAILED(SetWindowTheme(picker->Handle(), L" ", L" ")))
    throw std::runtime_error("cannot turn the visual styles off for the picker");
  return *picker;
}

std::function<void()> PaintOffscreen(TForm& host, Drawing drawing) {
  TRzTimePicker& picker = DialogPicker(host, drawing);
  auto image = std::make_shared<OffscreenBitmap>(Size{picker.Width(), picker.Height()});
  return [&picker, image] { picker.PaintTo(image->Dc()); };
}

const BenchCase classicPaint("picker: paint 334x202 off-screen, classic",
                             [](TForm& host) { return PaintOffscreen(host, Drawing::Classic); });
const BenchCase themedPaint("picker: paint 334x202 off-screen, themed",
                            [](TForm& host) { return PaintOffscreen(host, Drawing::Themed); });

const BenchCase timeUpdate("picker: Time update with repaint, classic", [](TForm& host) {
  TRzTimePicker& picker = DialogPicker(host, Drawing::Classic);
  auto minute = std::make_shared<int>(0);
  return std::function<void()>([&picker, minute] {
    *minute = (*minute + 1) % (24 * 60);
    picker.SetTime(EncodeTime(*minute / 60, *minute % 60, 0, 0));
    picker.Update();  // WM_PAINT now: the off-screen buffer and the copy to the window
  });
});

}  // namespace
