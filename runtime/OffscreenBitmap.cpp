#include "runtime/OffscreenBitmap.h"

#include <algorithm>

#include "runtime/Exception.h"

OffscreenBitmap::OffscreenBitmap(Size size)
    : size_{std::max(size.width, 1), std::max(size.height, 1)}, dc_(CreateCompatibleDC(nullptr)) {
  if (!dc_) throw Exception("Cannot create a memory device context");
  HDC screen = GetDC(nullptr);
  bitmap_ = GdiObject(CreateCompatibleBitmap(screen, size_.width, size_.height));
  ReleaseDC(nullptr, screen);
  if (!bitmap_) {
    DeleteDC(dc_);
    throw Exception("Cannot create an off-screen bitmap of " + std::to_string(size_.width) + " x " +
                    std::to_string(size_.height) + " pixels");
  }
  originalBitmap_ = SelectObject(dc_, bitmap_.Get());
  canvas_ = std::make_unique<TCanvas>(dc_);
}

OffscreenBitmap::~OffscreenBitmap() {
  canvas_.reset();
  SelectObject(dc_, originalBitmap_);
  DeleteDC(dc_);
}

void OffscreenBitmap::DrawTo(HDC target, int x, int y) const {
  BitBlt(target, x, y, size_.width, size_.height, dc_, 0, 0, SRCCOPY);
}
