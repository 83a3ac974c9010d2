#include "dialogs/FileChoice.h"

#include "runtime/Form.h"
#include "runtime/OpenDialog.h"
#include "runtime/ScopedHandles.h"
#include "runtime/Shell.h"

std::optional<std::string> ChooseExistingFile(TForm& over) {
  TOpenDialog fileDialog(&over);
  // Out of the top layer while the file dialog runs, so that it can come in front;
  // back in it however the file dialog ends.
  over.SetFormStyle(TFormStyle::fsNormal);
  const ScopeGuard backOnTop([&over] { over.SetFormStyle(TFormStyle::fsStayOnTop); });
  if (!fileDialog.Execute(over.Handle()) || !FileExists(fileDialog.FileName())) return std::nullopt;
  return fileDialog.FileName();
}
