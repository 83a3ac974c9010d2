#pragma once
// The configuration dialog's right column as the Alarm window shows it too: the four
// switches, their one rule, and "Locate file" for the address with its history.
#include <string>

class TForm;
class TSCCheckbox;
class TSCCombobox;
class TWinControl;

struct SoundSwitches {
  TSCCheckbox* boostVolume;  // "Boost volume to MAX!! :-)"
  TSCCheckbox* noRestart;    // "Just boost volume, do not restart (curent song)"
  TSCCheckbox* snooze;       // "Snooze option (sets volume to 19%)"
  TSCCheckbox* stream;       // "Stream this mp3/playlist/URL"
};

// The switches at the top of `parent`, one under the other, in the dialog's look.
void PlaceSoundSwitches(const SoundSwitches& switches, TWinControl& parent, int width);
// After "no restart" changed: without a restart the volume is boosted and nothing is
// streamed, so both are set and greyed; with one they are free again.
void FollowNoRestart(const SoundSwitches& switches);
// Lets the user pick a file for `address` and keeps it at the head of the history.
void LocateFileForAddress(TForm& over, TSCCombobox& address, const std::wstring& playerSettingsFolder);
