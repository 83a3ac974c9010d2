#include "dialogs/History.h"

#include <windows.h>

#include "runtime/Exception.h"
#include "runtime/SystemError.h"

void EnterHostDirectory() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length < MAX_PATH ? length : 0);
  folder.erase(folder.find_last_of("\\:") + 1);  // cut after the last backslash or colon
  if (folder.empty() || !SetCurrentDirectoryA(folder.c_str()))
    throw Exception("Cannot enter the player's folder \"" + folder + "\". " + LastErrorText());
}

void LoadHistory(TStringList& items) {
  const DWORD attributes = GetFileAttributesA(HistoryFileName);
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return;
  items.LoadFromFile(HistoryFileName);
}

void SaveHistory(const TStringList& items) { items.SaveToFile(HistoryFileName); }
