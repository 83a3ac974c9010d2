#pragma once
// The configuration dialog: armed flag, wake-up time, the four switches and the address
// with its history; links to the station directory, the homepage and a donation page.
// It stores the settings only through "Save settings".
#include <string>
#include "runtime/Callback.h"

#include "dialogs/SoundSwitches.h"
#include "runtime/Form.h"

class TLabel;
class TRzTimePicker;
class TSCButton;
class TSCCheckbox;
class TSCCombobox;
class TSCLabel;
class TSCPanel;

class TConfigDlg : public TForm {
 public:
  // `playerSettingsFolder` asks the player for its settings folder at each use (no
  // function, or an empty answer: the program's folder keeps the history).
  explicit TConfigDlg(TComponent* owner, Callback<std::wstring()> playerSettingsFolder = nullptr);

  TSCPanel* const BannerPanel;           // top banner "Plugin made by orvik / Velmora Software"
  TSCPanel* const SwitchesPanel;         // right: the options and the address
  TSCCheckbox* const BoostVolumeCheck;   // "Boost volume to MAX!! :-)"
  TSCCheckbox* const NoRestartCheck;     // "Just boost volume, do not restart (curent song)"
  TSCCheckbox* const SnoozeCheck;        // "Snooze option (sets volume to 19%)"
  TSCCheckbox* const StreamCheck;        // "Stream this mp3/playlist/URL"
  TSCButton* const ShoutcastButton;      // "Shoutcast": opens the station directory
  TSCButton* const LocateFileButton;     // "Locate file": picks a file for the address
  TSCPanel* const AlarmPanel;            // left: armed flag and wake-up time
  TSCPanel* const NotesPanel;            // bottom: the notes, the links and "Save settings"
  TSCButton* const SaveButton;           // "Save settings"
  TSCLabel* const HomepageLink;          // "Visit my homepage"
  TSCLabel* const DonateLink;            // "Donate via paypal"
  TSCLabel* const FreeNote;              // "This plugin is free of charge."
  TSCLabel* const EncourageNote;         // "If you want to encourage me ..."
  TSCLabel* const LinksNote;             // "... check one of the following URL's"
  TSCLabel* const MoreOptionsLink;       // "More alarm options...": opens the alarm options window
  TSCLabel* const AllAlarmsLink;         // "All alarms...": opens the list of alarms
  TLabel* const StartTimeLabel;          // "Start time"
  TSCCheckbox* const PluginActiveCheck;  // "Plugin active"
  TRzTimePicker* const AlarmTime;        // the clock face setting the wake-up time
  TSCCombobox* const StreamAddress;      // the address to play, with its history

  // Writes the seven settings from the controls, before the history; set by whoever opens the dialog.
  Callback<void(TConfigDlg& dialog)> SaveSettings;
  // Opens the alarm options over the dialog; set by whoever opens the dialog.
  Callback<void(TConfigDlg& dialog)> ShowAlarmOptions;
  // Opens the list of all alarms over the dialog; set by whoever opens the dialog.
  Callback<void(TConfigDlg& dialog)> ShowAlarms;

  void LoadAddressHistory(TComponent* sender);
  void OnShoutcastClick(TComponent* sender);
  void OnLocateFileClick(TComponent* sender);
  void OnSaveClick(TComponent* sender);
  void OnHomepageClick(TComponent* sender);
  void OnDonateClick(TComponent* sender);
  void OnNoRestartChange(TComponent* sender);
  void OnMoreOptionsClick(TComponent* sender);
  void OnAllAlarmsClick(TComponent* sender);

 private:
  void BuildLayout();
  void BindEvents();
  SoundSwitches Switches() const;
  std::wstring PlayerSettingsFolder() const;

  Callback<std::wstring()> playerSettingsFolder_;
};

// The addresses the dialog's links open.
namespace ConfigLinks {
constexpr const char* Shoutcast = "https://directory.shoutcast.com/";
constexpr const char* Homepage = "https://velmora.example/wakeup/";
constexpr const char* Donation = "https://www.paypal.com/donate/?business=velmora.wakeup%40example.com";
}  // namespace ConfigLinks
