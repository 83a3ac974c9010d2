#include "runtime/OpenDialog.h"

#include <commdlg.h>

#include <string>
#include <vector>

#include "runtime/Exception.h"
#include "runtime/NumberText.h"
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
  if (!getOpenFileName) throw Exception("Cannot show the file dialog: the system has no common dialogs");
  if (!getOpenFileName(&request)) {
    // Cancel reports no error; anything else is a failure the user has to hear of.
    const auto extendedError = SystemFunction<decltype(CommDlgExtendedError)>("comdlg32.dll", "CommDlgExtendedError");
    const DWORD error = extendedError ? extendedError() : 0;
    if (error == 0) return false;
    throw Exception("Cannot show the file dialog (common dialog error " + ZeroPadded(error) + ")");
  }
  fileName_ = name.data();
  return true;
}
