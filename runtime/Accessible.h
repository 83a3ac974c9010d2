#pragma once
// Screen readers learn of the owner-drawn controls through Active Accessibility: a
// control's window answers WM_GETOBJECT with an object that asks the control, on the
// control's own thread, for its facts, so it never reads a control another thread
// changes, and fails quietly once the window is gone.
#include <windows.h>

// Sent to a control's window to fill the AccessibleFacts at lParam.
constexpr UINT DescribeForScreenReader = WM_APP + 0x300;
// Posted to a control's window to do its default action (a click).
constexpr UINT DoDefaultAction = WM_APP + 0x301;

// The answer to WM_GETOBJECT for `window`: the object for its client area, 0 (the
// system's own answer) for any other part or where Active Accessibility is missing.
LRESULT AnswerAccessibleObject(HWND window, WPARAM flags, LPARAM objectId);

// Tells screen readers that `event` (EVENT_OBJECT_FOCUS, ...) happened to `window`'s client area.
void AnnounceToScreenReaders(HWND window, DWORD event);
