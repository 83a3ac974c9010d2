#include "runtime/OpenDialog.h"

#include <commdlg.h>

#include <string>

#include "runtime/Exception.h"
#include "runtime/NumberText.h"
#include "runtime/SystemLibrary.h"
#include "runtime/WideText.h"

bool TOpenDialog::Execute(HWND owner) {
  std::wstring name(32768, L'\0');  // room for long paths, in any characters
  OPENFILENAMEW request = {};
  request.lStructSize = sizeof request;
  request.hwndOwner = owner;
  request.lpstrFile = &name[0];
  request.nMaxFile = static_cast<DWORD>(name.size());
  request.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING;
  const auto getOpenFileName = SystemFunction<decltype(GetOpenFileNameW)>("comdlg32.dll", "GetOpenFileNameW");
  if (!getOpenFileName) throw Exception("Cannot show the file dialog: the system has no common dialogs");
  if (!getOpenFileName(&request)) {
    // Cancel reports no error; anything else is a failure the user has to hear of.
    const auto extendedError = SystemFunction<decltype(CommDlgExtendedError)>("comdlg32.dll", "CommDlgExtendedError");
    const DWORD error = extendedError ? extendedError() : 0;
    if (error == 0) return false;
    throw Exception("Cannot show the file dialog (common dialog error " + ZeroPadded(error) + ")");
  }
  fileName_ = Utf8FromWide(name.c_str());
  return true;
}
