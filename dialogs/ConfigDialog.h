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

  TSCPanel* const SCPanel1;
  TSCPanel* const SCPanel2;
  TSCCheckbox* const ChkVolume;
  TSCCheckbox* const ChkNoRestart;
  TSCCheckbox* const ChkSnooze;
  TSCCheckbox* const ChkStream;
  TSCButton* const SCButton1;
  TSCButton* const SCButton2;
  TSCPanel* const SCPanel4;
  TSCPanel* const SCPanel3;
  TSCButton* const SCButton4;
  TSCLabel* const SCLabel1;
  TSCLabel* const SCLabel4;
  TSCLabel* const SCLabel8;
  TSCLabel* const SCLabel9;
  TSCLabel* const SCLabel10;
  TSCLabel* const MoreOptionsLink;
  TLabel* const Label3;
  TSCCheckbox* const ChkPluginActive;
  TRzTimePicker* const MyTimer;
  TSCCombobox* const txtURL;

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
