#pragma once
// Every handle the plug-in and its tools hold lives in one of these scopes, so a return
// or an exception on any path gives it back: the kernel handle, the module reference,
// the registry key, global memory, the memory and screen device contexts, the paint, the
// object selected into a device context, the open clipboard, the windows disabled by a
// modal run, and any other clean-up through ScopeGuard.
#include <windows.h>

#include <utility>
#include <vector>

#include "runtime/NonCopyable.h"

// A handle given back by `Close` when the scope ends; moved, never copied. Null owns
// nothing.
template <typename Handle, auto Close>
class ScopedHandleOf : NonCopyable {
 public:
  explicit ScopedHandleOf(Handle handle = nullptr) : handle_(handle) {}
  ~ScopedHandleOf() { Reset(); }
  ScopedHandleOf(ScopedHandleOf&& other) noexcept : handle_(other.Release()) {}
  ScopedHandleOf& operator=(ScopedHandleOf&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = other.Release();
    }
    return *this;
  }

  Handle Get() const { return handle_; }
  Handle* Receive() {  // for calls that hand the handle out through a pointer
    Reset();
    return &handle_;
  }
  explicit operator bool() const { return handle_ != nullptr; }
  // Gives the handle up without closing it.
  Handle Release() { return std::exchange(handle_, nullptr); }
  void Reset() {
    if (handle_ != nullptr) Close(std::exchange(handle_, nullptr));
  }

 private:
  Handle handle_;
};

using ScopedHandle = ScopedHandleOf<HANDLE, &CloseHandle>;  // events, threads
// A file just opened: CreateFile reports failure with INVALID_HANDLE_VALUE, not null.
inline ScopedHandle OpenedFile(HANDLE created) {
  return ScopedHandle(created == INVALID_HANDLE_VALUE ? nullptr : created);
}
using ScopedModuleReference = ScopedHandleOf<HMODULE, &FreeLibrary>;  // a count on a loaded module
using ScopedRegistryKey = ScopedHandleOf<HKEY, &RegCloseKey>;
using ScopedMemoryDc = ScopedHandleOf<HDC, &DeleteDC>;
using ScopedGlobalMemory = ScopedHandleOf<HGLOBAL, &GlobalFree>;

// The screen's device context, for measuring and nearest colours outside painting.
class ScopedScreenDc : NonCopyable {
 public:
  ScopedScreenDc() : dc_(GetDC(nullptr)) {}
  ~ScopedScreenDc() {
    if (dc_) ReleaseDC(nullptr, dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

// One WM_PAINT's BeginPaint, ended however the paint leaves. Get() is null when
// BeginPaint failed (nothing is painted then).
class ScopedPaint : NonCopyable {
 public:
  explicit ScopedPaint(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  ~ScopedPaint() {
    if (dc_) EndPaint(window_, &paint_);
  }
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_ = {};
  HDC dc_;
};

// Selects an object into a device context and puts the previous one back on scope exit.
// Selected() is false when the selection failed.
class ScopedSelectedObject : NonCopyable {
 public:
  ScopedSelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~ScopedSelectedObject() {
    if (Selected()) SelectObject(dc_, previous_);
  }
  bool Selected() const { return previous_ && previous_ != HGDI_ERROR; }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// The clipboard, opened for `owner` and closed on scope exit. IsOpen() is false when
// another window holds it.
class ScopedClipboard : NonCopyable {
 public:
  explicit ScopedClipboard(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
  ~ScopedClipboard() {
    if (open_) CloseClipboard();
  }
  bool IsOpen() const { return open_; }

 private:
  bool open_;
};

// The visible, enabled top-level windows of this thread but one, disabled while a modal
// run lasts and enabled again after it. The player's windows, on another thread, stay
// usable while the worker shows its window.
class ScopedDisabledThreadWindows : NonCopyable {
 public:
  explicit ScopedDisabledThreadWindows(HWND except);
  ~ScopedDisabledThreadWindows();

 private:
  std::vector<HWND> disabled_;
};

// Runs a clean-up when the scope ends, unless Dismiss was called: for the undo of a
// step that must not outlive a failure of the steps after it.
template <typename CleanUp>
class ScopeGuard : NonCopyable {
 public:
  explicit ScopeGuard(CleanUp cleanUp) : cleanUp_(std::move(cleanUp)) {}
  ~ScopeGuard() {
    if (armed_) cleanUp_();
  }
  void Dismiss() { armed_ = false; }

 private:
  CleanUp cleanUp_;
  bool armed_ = true;
};
