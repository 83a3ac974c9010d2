#pragma once
// Owners of GDI handles. Every pen, brush, font and bitmap the runtime creates goes
// through them, so the count of live objects can be checked after painting.
#include <windows.h>

#include <utility>

#include "runtime/NonCopyable.h"

class GdiObject : NonCopyable {
 public:
  GdiObject() = default;
  explicit GdiObject(HGDIOBJ handle);  // takes ownership; a null handle owns nothing
  ~GdiObject() { Reset(); }
  GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }

  HGDIOBJ Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset();

 private:
  HGDIOBJ handle_ = nullptr;
};

// GDI objects made through GdiObject and not yet deleted.
int LiveGdiObjectCount();
