#include "runtime/ControlClass.h"

#include "runtime/ErrorBox.h"
#include "runtime/Exception.h"
#include "runtime/Lock.h"
#include "runtime/SystemError.h"
#include "runtime/WinControl.h"

namespace {
constexpr const char* ClassName = "VelmoraControl";

HINSTANCE ThisModule() {
  HMODULE module = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCSTR>(&ControlWindowProc), &module);
  return module;
}

OnceFlag registered;
}  // namespace

const char* ControlClassName() { return ClassName; }

HINSTANCE ControlClassInstance() {
  registered.Run([] {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &ControlWindowProc;
    windowClass.hInstance = ThisModule();
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = ClassName;
    if (!RegisterClassExA(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
      throw Exception("Cannot register the control window class: " + LastErrorText());
  });
  return ThisModule();
}

TWinControl* ControlFromHandle(HWND window) {
  if (!window || GetWindowLongPtrA(window, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&ControlWindowProc))
    return nullptr;
  return reinterpret_cast<TWinControl*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void UnregisterControlClass() { UnregisterClassA(ClassName, ThisModule()); }

LRESULT CALLBACK ControlWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    if (auto* control = static_cast<TWinControl*>(create->lpCreateParams)) {
      control->handle_ = window;
      SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
    }
  }
  auto* control = reinterpret_cast<TWinControl*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!control) return DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    control->handle_ = nullptr;
    return DefWindowProcA(window, message, wParam, lParam);
  }
  // A failing handler is reported like any application error and never unwinds
  // through the system into the player.
  LRESULT result = 0;
  ShowingErrors([&] { result = control->WndProc(message, wParam, lParam); },
                "Unknown error in a window of the wakeup plugin");
  return result;
}
