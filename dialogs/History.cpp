#include "dialogs/History.h"

#include <windows.h>

#include "runtime/Exception.h"
#include "runtime/HostProgram.h"
#include "runtime/Shell.h"
#include "runtime/SystemError.h"

void EnterHostDirectory() {
  std::string folder = HostProgramPath();
  folder.erase(folder.find_last_of("\\:") + 1);  // cut after the last backslash or colon
  if (folder.empty() || !SetCurrentDirectoryA(folder.c_str()))
    throw Exception("Cannot enter the player's folder \"" + folder + "\". " + LastErrorText());
}

void LoadHistory(TStringList& items) {
  if (FileExists(HistoryFileName)) items.LoadFromFile(HistoryFileName);
}

void SaveHistory(const TStringList& items) { items.SaveToFile(HistoryFileName); }
