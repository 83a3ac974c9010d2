#pragma once
// Functions of the system libraries that only the plug-in's windows use (shell, common
// dialogs, visual styles, gradients) are found at their first use. Imported, they would be
// loaded with the plug-in at every start of the player: more time and memory than the whole
// plug-in, for windows that may never open. A library once loaded stays for the process.
#include <windows.h>

// The function `name` of the system library `library`, or null when it cannot be loaded
// or has no such function.
FARPROC SystemFunctionAddress(const char* library, const char* name);

// The same, typed like the declaration `Function` of the platform's headers:
// SystemFunction<decltype(ShellExecuteA)>("shell32.dll", "ShellExecuteA").
template <typename Function>
Function* SystemFunction(const char* library, const char* name) {
  // Through void*: the platform's FARPROC is not the function's real type.
  return reinterpret_cast<Function*>(reinterpret_cast<void*>(SystemFunctionAddress(library, name)));
}
