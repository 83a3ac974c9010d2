#pragma once
// Asks Windows to keep the system and the display on for the calling thread, for at
// most a given time: a PC woken by a timer otherwise sleeps again within minutes, with
// its screen off. The cap runs as a thread timer, so the thread must handle messages.
#include <windows.h>

#include "runtime/NonCopyable.h"

class KeepAwake : NonCopyable {
 public:
  explicit KeepAwake(UINT capMs) : capMs_(capMs) {}
  ~KeepAwake() { Release(); }

  void Request();
  void Release();

 private:
  static void CALLBACK CapReached(HWND, UINT, UINT_PTR, DWORD);

  UINT capMs_;
  UINT_PTR capTimer_ = 0;
  bool held_ = false;
};
