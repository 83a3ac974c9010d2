#pragma once
// The configuration dialog: armed flag, wake-up time, the four switches and the address
// with its history; links to the station directory, the homepage and a donation page.
// It stores the settings only through "Save settings".
#include <functional>
#include <string>

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
  explicit TConfigDlg(TComponent* owner, std::function<std::wstring()> playerSettingsFolder = nullptr);

  TSCPanel* const SCPanel1;            // top banner "Plugin made by orvik / Velmora Software"
  TSCPanel* const SCPanel2;            // right: the options and the address
  TSCCheckbox* const ChkVolume;        // "Boost volume to MAX!! :-)"
  TSCCheckbox* const ChkNoRestart;     // "Just boost volume, do not restart (curent song)"
  TSCCheckbox* const ChkSnooze;        // "Snooze option (sets volume to 19%)"
  TSCCheckbox* const ChkStream;        // "Stream this mp3/playlist/URL"
  TSCButton* const SCButton1;          // "Shoutcast": opens the station directory
  TSCButton* const SCButton2;          // "Locate file": picks a file for the address
  TSCPanel* const SCPanel4;            // left: armed flag and wake-up time
  TSCPanel* const SCPanel3;            // bottom: the notes, the links and "Save settings"
  TSCButton* const SCButton4;          // "Save settings"
  TSCLabel* const SCLabel1;            // "Visit my homepage"
  TSCLabel* const SCLabel4;            // "Donate via paypal"
  TSCLabel* const SCLabel8;            // "This plugin is free of charge."
  TSCLabel* const SCLabel9;            // "If you want to encourage me ..."
  TSCLabel* const SCLabel10;           // "... check one of the following URL's"
  TSCLabel* const MoreOptionsLink;     // "More alarm options...": opens the alarm options window
  TLabel* const Label3;                // "Start time"
  TSCCheckbox* const ChkPluginActive;  // "Plugin active"
  TRzTimePicker* const MyTimer;        // the clock face setting the wake-up time
  TSCCombobox* const txtURL;           // the address to play, with its history

  // Writes the seven settings from the controls; set by whoever opens the dialog.
  std::function<void(TConfigDlg& dialog)> SaveSettings;
  // Opens the alarm options over the dialog; set by whoever opens the dialog.
  std::function<void(TConfigDlg& dialog)> ShowAlarmOptions;

  void FormCreate(TComponent* sender);
  void SCButton1Click(TComponent* sender);
  void SCButton2Click(TComponent* sender);
  void SCButton3Click(TComponent* sender);
  void SCLabel2Click(TComponent* sender);
  void SCLabel3Click(TComponent* sender);
  void ChkNoRestartChange(TComponent* sender);
  void MoreOptionsLinkClick(TComponent* sender);

 private:
  void BuildLayout();
  void BindEvents();
  std::wstring PlayerSettingsFolder() const;

  std::function<std::wstring()> playerSettingsFolder_;
};

// The addresses the dialog's links open.
namespace ConfigLinks {
constexpr const char* Shoutcast = "https://directory.shoutcast.com/";
constexpr const char* Homepage = "https://velmora.example/wakeup/";
constexpr const char* Donation = "https://www.paypal.com/donate/?business=velmora.wakeup%40example.com";
}  // namespace ConfigLinks
