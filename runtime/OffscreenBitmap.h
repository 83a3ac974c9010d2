#pragma once
// A bitmap in memory with a canvas on it: painting happens here first and reaches the
// screen in one copy, so a control repainted every second does not flicker.
#include <windows.h>

#include <memory>

#include "runtime/Canvas.h"
#include "runtime/NonCopyable.h"
#include "runtime/ScopedHandles.h"

class OffscreenBitmap : NonCopyable {
 public:
  // A bitmap compatible with the screen, `size` pixels (at least 1 x 1).
  explicit OffscreenBitmap(Size size);

  TCanvas& Canvas() { return *canvas_; }
  HDC Dc() const { return dc_.Get(); }
  Size Dimensions() const { return size_; }
  void DrawTo(HDC target, int x, int y) const;

 private:
  // Declared in the order of their making: the canvas goes first, then the bitmap is
  // taken out of the device context, deleted, and the device context last.
  Size size_;
  ScopedMemoryDc dc_;
  GdiObject bitmap_;
  std::unique_ptr<ScopedSelectedObject> selection_;
  std::unique_ptr<TCanvas> canvas_;
};
