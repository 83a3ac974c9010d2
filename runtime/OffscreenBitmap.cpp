#include "runtime/OffscreenBitmap.h"

#include <algorithm>

#include "runtime/Exception.h"
#include "runtime/NumberText.h"

OffscreenBitmap::OffscreenBitmap(Size size)
    : size_{std::max(size.width, 1), std::max(size.height, 1)}, dc_(CreateCompatibleDC(nullptr)) {
  if (!dc_) throw Exception("Cannot create a memory device context");
  {
    const ScopedScreenDc screen;
    bitmap_ = GdiObject(CreateCompatibleBitmap(screen.Get(), size_.width, size_.height));
  }
  if (!bitmap_)
    throw Exception("Cannot create an off-screen bitmap of " + ZeroPadded(size_.width) + " x " +
                    ZeroPadded(size_.height) + " pixels");
  selection_ = std::make_unique<ScopedSelectedObject>(dc_.Get(), bitmap_.Get());
  if (!selection_->Selected()) throw Exception("Cannot select the off-screen bitmap for painting");
  canvas_ = std::make_unique<TCanvas>(dc_.Get());
}

void OffscreenBitmap::DrawTo(HDC target, int x, int y) const {
  BitBlt(target, x, y, size_.width, size_.height, dc_.Get(), 0, 0, SRCCOPY);
}
