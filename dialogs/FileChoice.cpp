#include "dialogs/FileChoice.h"

#include "runtime/Form.h"
#include "runtime/OpenDialog.h"
#include "runtime/Shell.h"

std::optional<std::string> ChooseExistingFile(TForm& over) {
  TOpenDialog fileDialog(&over);
  over.SetFormStyle(TFormStyle::fsNormal);
  bool chosen = false;
  try {
    chosen = fileDialog.Execute(over.Handle()) && FileExists(fileDialog.FileName());
  } catch (...) {
    over.SetFormStyle(TFormStyle::fsStayOnTop);
    throw;
  }
  over.SetFormStyle(TFormStyle::fsStayOnTop);
  return chosen ? std::optional<std::string>(fileDialog.FileName()) : std::nullopt;
}
