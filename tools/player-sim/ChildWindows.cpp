#include "tools/player-sim/ChildWindows.h"

namespace {
BOOL CALLBACK CollectVisible(HWND window, LPARAM data) {
  if (IsWindowVisible(window)) reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
  return TRUE;
}
}  // namespace

std::vector<HWND> VisibleChildren(HWND parent) {
  std::vector<HWND> children;
  // EnumChildWindows would take a null parent for the desktop: all top-level windows.
  if (!parent) return children;
  EnumChildWindows(parent, &CollectVisible, reinterpret_cast<LPARAM>(&children));
  return children;
}
