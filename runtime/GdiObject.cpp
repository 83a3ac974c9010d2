#include "runtime/GdiObject.h"

#include <atomic>

namespace {
std::atomic<int> liveObjects{0};
}

GdiObject::GdiObject(HGDIOBJ handle) : handle_(handle) {
  if (handle_) ++liveObjects;
}

void GdiObject::Reset() {
  if (!handle_) return;
  DeleteObject(handle_);
  handle_ = nullptr;
  --liveObjects;
}

int LiveGdiObjectCount() { return liveObjects.load(); }
