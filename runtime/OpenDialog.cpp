#include "runtime/OpenDialog.h"

#include <commdlg.h>

#include <vector>

#include "runtime/SystemLibrary.h"

bool TOpenDialog::Execute(HWND owner) {
  std::vector<char> name(32768, '\0');  // room for long paths
  OPENFILENAMEA request = {};
  request.lStructSize = sizeof request;
  request.hwndOwner = owner;
  request.lpstrFile = name.data();
  request.nMaxFile = static_cast<DWORD>(name.size());
  request.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING;
  const auto getOpenFileName = SystemFunction<decltype(GetOpenFileNameA)>("comdlg32.dll", "GetOpenFileNameA");
  if (!getOpenFileName || !getOpenFileName(&request)) return false;
  fileName_ = name.data();
  return true;
}
