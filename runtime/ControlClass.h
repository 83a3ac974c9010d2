#pragma once
// The one window class every control's window belongs to, and its window procedure,
// which hands each message to the control object stored with the window; and the class
// of the timers' message-only windows. Both are Unicode classes: typed characters arrive
// as UTF-16 whatever the code page.
#include <windows.h>

const wchar_t* ControlClassName();
const wchar_t* TimerClassName();
HINSTANCE ControlClassInstance();  // registers both classes on first use
// For the module's unload: a class left registered would point at unloaded code.
void UnregisterControlClass();

class TWinControl;
// The control behind a window of the controls' class, or none.
TWinControl* ControlFromHandle(HWND window);

LRESULT CALLBACK ControlWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK TimerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
