#include "runtime/SystemChangeWindow.h"

#include "runtime/Exception.h"
#include "runtime/SystemError.h"

namespace {
constexpr const wchar_t* ClassName = L"VelWakeupSystemChanges";

HINSTANCE ThisModule() {
  HMODULE module = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCWSTR>(&ThisModule), &module);
  return module;
}
}  // namespace

SystemChangeWindow::SystemChangeWindow(HANDLE changed) : changed_(changed) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = WindowProcedure;
  windowClass.hInstance = ThisModule();
  windowClass.lpszClassName = ClassName;
  RegisterClassW(&windowClass);  // already registered by an earlier worker is fine
  // Top-level though never shown: message-only windows hear no broadcasts.
  window_ =
      CreateWindowExW(WS_EX_TOOLWINDOW, ClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, ThisModule(), nullptr);
  if (!window_) throw Exception("Cannot watch the system clock: " + LastErrorText());
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

SystemChangeWindow::~SystemChangeWindow() {
  DestroyWindow(window_);
  // The module may be unloaded after this worker: leave no class pointing into it.
  UnregisterClassW(ClassName, ThisModule());
}

LRESULT CALLBACK SystemChangeWindow::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<SystemChangeWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  const bool resumed = message == WM_POWERBROADCAST &&
                       (wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND);
  if (self && (message == WM_TIMECHANGE || resumed)) SetEvent(self->changed_);
  return DefWindowProcW(window, message, wParam, lParam);
}

void DispatchWaitingMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}
