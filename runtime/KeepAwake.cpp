#include "runtime/KeepAwake.h"

#include "runtime/DebugTrace.h"

namespace {
// The request belongs to a thread, and so does its cap's timer.
thread_local KeepAwake* heldOnThisThread = nullptr;
}  // namespace

void KeepAwake::Request() {
  if (!SetThreadExecutionState(ES_SYSTEM_REQUIRED | ES_DISPLAY_REQUIRED | ES_CONTINUOUS)) return;
  held_ = true;
  heldOnThisThread = this;
  if (capTimer_) KillTimer(nullptr, capTimer_);
  capTimer_ = SetTimer(nullptr, 0, capMs_, &KeepAwake::CapReached);
  DebugTrace("keep awake requested");
}

void KeepAwake::Release() {
  if (capTimer_) KillTimer(nullptr, capTimer_);
  capTimer_ = 0;
  if (!held_) return;
  SetThreadExecutionState(ES_CONTINUOUS);
  held_ = false;
  heldOnThisThread = nullptr;
  DebugTrace("keep awake released");
}

void CALLBACK KeepAwake::CapReached(HWND, UINT, UINT_PTR, DWORD) {
  if (heldOnThisThread) heldOnThisThread->Release();
}
