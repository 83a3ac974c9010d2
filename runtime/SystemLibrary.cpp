#include "runtime/SystemLibrary.h"

FARPROC SystemFunctionAddress(const char* library, const char* name) {
  // Already loaded (by the player or an earlier call): no second reference is taken.
  HMODULE module = GetModuleHandleA(library);
  if (!module) module = LoadLibraryA(library);
  return module ? GetProcAddress(module, name) : nullptr;
}
