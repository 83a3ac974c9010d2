#pragma once
// A bitmap in memory with a canvas on it: painting happens here first and reaches the
// screen in one copy, so a control repainted every second does not flicker.
#include <windows.h>

#include <memory>

#include "runtime/Canvas.h"

class OffscreenBitmap {
 public:
  // A bitmap compatible with the screen, `size` pixels (at least 1 x 1).
  explicit OffscreenBitmap(Size size);
  ~OffscreenBitmap();
  OffscreenBitmap(const OffscreenBitmap&) = delete;
  OffscreenBitmap& operator=(const OffscreenBitmap&) = delete;

  TCanvas& Canvas() { return *canvas_; }
  HDC Dc() const { return dc_; }
  Size Dimensions() const { return size_; }
  void DrawTo(HDC target, int x, int y) const;

 private:
  Size size_;
  HDC dc_;
  GdiObject bitmap_;
  HGDIOBJ originalBitmap_;
  std::unique_ptr<TCanvas> canvas_;
};
