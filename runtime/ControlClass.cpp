#include "runtime/ControlClass.h"

#include <string>

#include "runtime/ErrorBox.h"
#include "runtime/Exception.h"
#include "runtime/Lock.h"
#include "runtime/SystemError.h"
#include "runtime/WideText.h"
#include "runtime/WinControl.h"

namespace {
constexpr const wchar_t* ClassName = L"VelmoraControl";
constexpr const wchar_t* TimerClass = L"VelmoraTimer";

// The module holding this code; null when the system cannot tell.
HINSTANCE ThisModule() {
  HMODULE module = nullptr;
  if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                          reinterpret_cast<LPCSTR>(&ControlWindowProc), &module))
    return nullptr;
  return module;
}

OnceFlag registered;
}  // namespace

const wchar_t* ControlClassName() { return ClassName; }
const wchar_t* TimerClassName() { return TimerClass; }

namespace {
void RegisterWindowClass(const wchar_t* name, WNDPROC procedure) {
  WNDCLASSEXW windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = ThisModule();
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.lpszClassName = name;
  if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
    throw Exception("Cannot register the window class " + Utf8FromWide(name) + ": " + LastErrorText());
}
}  // namespace

HINSTANCE ControlClassInstance() {
  registered.Run([] {
    if (!ThisModule()) throw Exception("Cannot find the plug-in's own module: " + LastErrorText());
    RegisterWindowClass(ClassName, &ControlWindowProc);
    RegisterWindowClass(TimerClass, &TimerWindowProc);
  });
  return ThisModule();
}

TWinControl* ControlFromHandle(HWND window) {
  if (!window || GetWindowLongPtrW(window, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&ControlWindowProc))
    return nullptr;
  return reinterpret_cast<TWinControl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void UnregisterControlClass() {
  if (HINSTANCE module = ThisModule()) {
    UnregisterClassW(ClassName, module);
    UnregisterClassW(TimerClass, module);
  }
}

LRESULT CALLBACK ControlWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    if (auto* control = static_cast<TWinControl*>(create->lpCreateParams)) {
      control->handle_ = window;
      SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
    }
  }
  auto* control = reinterpret_cast<TWinControl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!control) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    control->handle_ = nullptr;
    return DefWindowProcW(window, message, wParam, lParam);
  }
  // A failing handler is reported like any application error and never unwinds
  // through the system into the player.
  LRESULT result = 0;
  ShowingErrors([&] { result = control->WndProc(message, wParam, lParam); },
                "Unknown error in a window of the wakeup plugin");
  return result;
}
