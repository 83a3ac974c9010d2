#include "dialogs/History.h"

#include <windows.h>

#include "runtime/Exception.h"
#include "runtime/HostProgram.h"
#include "runtime/PlatformFiles.h"
#include "runtime/SystemError.h"
#include "runtime/WideText.h"

namespace {
// The program's folder, which must be reachable: the history has no other place left.
std::wstring ProgramFolder() {
  std::wstring folder = HostProgramWidePath();
  folder.erase(folder.find_last_of(L"\\:") + 1);  // cut after the last backslash or colon
  if (folder.empty() || !WideFolderExists(folder))
    throw Exception("Cannot enter the player's folder \"" + Utf8FromWide(folder) + "\". " + LastErrorText());
  return folder;
}

std::wstring InFolder(std::wstring folder) {
  if (folder.back() != L'\\' && folder.back() != L'/') folder += L'\\';
  return folder + WideFromUtf8(HistoryFileName);
}
}  // namespace

std::wstring HistoryFilePath(const std::wstring& playerSettingsFolder) {
  const bool usable = !playerSettingsFolder.empty() && WideFolderExists(playerSettingsFolder);
  return InFolder(usable ? playerSettingsFolder : ProgramFolder());
}

void LoadHistory(TStringList& items, const std::wstring& playerSettingsFolder) {
  const std::wstring path = HistoryFilePath(playerSettingsFolder);
  if (WideFileExists(path)) return items.LoadFromFile(Utf8FromWide(path));
  const std::wstring besideProgram = InFolder(ProgramFolder());
  if (WideFileExists(besideProgram)) items.LoadFromFile(Utf8FromWide(besideProgram));
}

void SaveHistory(const TStringList& items, const std::wstring& playerSettingsFolder) {
  items.SaveToFile(Utf8FromWide(HistoryFilePath(playerSettingsFolder)));
}
