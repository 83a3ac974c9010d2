#pragma once
// Helpers for tests that drive real windows: a shown host form, message pumping, and
// reading pixels back from what a control painted.
#include <windows.h>

#include <functional>
#include <memory>

#include "runtime/Form.h"
#include "runtime/OffscreenBitmap.h"

// Handles this thread's messages for `milliseconds`, or until `done` answers true.
void PumpMessages(unsigned milliseconds, const std::function<bool()>& done = nullptr);

// Handles this thread's messages until a witness timer of `intervalMs`, started now, has
// ticked `ticks` times: then every timer of this thread with that interval, started
// before, has ticked too. False when the witness missed its deadline.
bool PumpUntilWitnessTicks(unsigned intervalMs, int ticks);

// A visible form of the given client size that owns whatever the test puts on it.
std::unique_ptr<TForm> MakeHostForm(int clientWidth, int clientHeight);

// The control painted, as it paints itself, into a bitmap of its own size.
std::unique_ptr<OffscreenBitmap> RenderControl(TWinControl& control);

// The colour of one pixel of a rendered control, as 0x00BBGGRR.
TColor PixelAt(OffscreenBitmap& image, int x, int y);

// A GDI handle's table slot for a fresh object. Under Wine the process's GDI object
// count is not reported; a leak shows instead as new objects landing ever higher.
int FreshGdiSlot();
