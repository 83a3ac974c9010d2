#include "runtime/ScopedHandles.h"

#include <exception>

namespace {
struct ThreadWindowSearch {
  std::vector<HWND> found;
  std::exception_ptr failure;  // carried past the system's callback, rethrown after it
};

BOOL CALLBACK CollectThreadWindow(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<ThreadWindowSearch*>(data);
  try {
    search->found.push_back(window);
    return TRUE;
  } catch (...) {
    search->failure = std::current_exception();
    return FALSE;
  }
}
}  // namespace

ScopedDisabledThreadWindows::ScopedDisabledThreadWindows(HWND except) {
  ThreadWindowSearch search;
  EnumThreadWindows(GetCurrentThreadId(), &CollectThreadWindow, reinterpret_cast<LPARAM>(&search));
  if (search.failure) std::rethrow_exception(search.failure);
  disabled_.reserve(search.found.size());
  for (HWND window : search.found) {
    if (window == except || !IsWindowVisible(window) || !IsWindowEnabled(window)) continue;
    EnableWindow(window, FALSE);
    disabled_.push_back(window);
  }
}

ScopedDisabledThreadWindows::~ScopedDisabledThreadWindows() {
  for (HWND window : disabled_) EnableWindow(window, TRUE);
}
