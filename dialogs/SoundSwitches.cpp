#include "dialogs/SoundSwitches.h"

#include <optional>

#include "controls/styled/SCCheckbox.h"
#include "controls/styled/SCCombobox.h"
#include "dialogs/DialogLook.h"
#include "dialogs/FileChoice.h"
#include "dialogs/History.h"
#include "runtime/Form.h"

namespace {
constexpr int SwitchHeight = 17;
}  // namespace

void PlaceSoundSwitches(const SoundSwitches& switches, TWinControl& parent, int width) {
  const struct {
    TSCCheckbox* box;
    const char* caption;
  } rows[] = {{switches.boostVolume, "Boost volume to MAX!! :-)"},
              {switches.noRestart, "Just boost volume, do not restart (curent song)"},
              {switches.snooze, "Snooze option (sets volume to 19%)"},
              {switches.stream, "Stream this mp3/playlist/URL"}};
  int top = 0;
  for (const auto& row : rows) {
    row.box->SetParent(&parent);
    row.box->SetBounds(0, top, width, SwitchHeight);
    row.box->SetAlign(TAlign::alTop);
    row.box->SetCaption(row.caption);
    UseCheckboxLook(*row.box);
    top += SwitchHeight;
  }
}

void FollowNoRestart(const SoundSwitches& switches) {
  const bool noRestart = switches.noRestart->Checked();
  switches.boostVolume->SetEnabled(!noRestart);
  switches.boostVolume->SetChecked(noRestart);
  switches.stream->SetChecked(false);
  switches.stream->SetEnabled(!noRestart);
}

void LocateFileForAddress(TForm& over, TSCCombobox& address, const std::wstring& playerSettingsFolder) {
  const std::optional<std::string> file = ChooseExistingFile(over);
  if (!file) return;
  address.SetText(*file);
  PushHistory(address.Items(), *file, false);
  SaveHistory(address.Items(), playerSettingsFolder);
}
