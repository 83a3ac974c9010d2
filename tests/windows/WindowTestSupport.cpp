#include "tests/windows/WindowTestSupport.h"

#include "runtime/Timer.h"

void PumpMessages(unsigned milliseconds, const std::function<bool()>& done) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < milliseconds) {
    if (done && done()) return;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

bool PumpUntilWitnessTicks(unsigned intervalMs, int ticks) {
  constexpr unsigned SlackMs = 10000;  // a busy machine delays timers, only a fault this much
  TTimer witness(nullptr);
  witness.SetInterval(intervalMs);
  int ticked = 0;
  witness.OnTimer = [&](TComponent*) { ++ticked; };
  PumpMessages(intervalMs * ticks + SlackMs, [&] { return ticked >= ticks; });
  return ticked >= ticks;
}

std::unique_ptr<TForm> MakeHostForm(int clientWidth, int clientHeight) {
  auto form = std::make_unique<TForm>(nullptr);
  form->SetColor(clWhite);
  form->SetClientSize(clientWidth, clientHeight);
  form->Show();
  // Until showing it has been handled to the end: activation, sizes, the first paint.
  PumpMessages(10000, [] { return HIWORD(GetQueueStatus(QS_ALLINPUT)) == 0; });
  return form;
}

std::unique_ptr<OffscreenBitmap> RenderControl(TWinControl& control) {
  auto image = std::make_unique<OffscreenBitmap>(Size{control.Width(), control.Height()});
  control.PaintTo(image->Dc());
  return image;
}

TColor PixelAt(OffscreenBitmap& image, int x, int y) { return GetPixel(image.Dc(), x, y); }

int FreshGdiSlot() {
  HPEN probe = CreatePen(PS_SOLID, 1, 0);
  const int slot = LOWORD(reinterpret_cast<UINT_PTR>(probe));
  DeleteObject(probe);
  return slot;
}
