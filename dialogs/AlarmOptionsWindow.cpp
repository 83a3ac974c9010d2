#include "dialogs/AlarmOptionsWindow.h"

#include "controls/styled/SCButton.h"
#include "controls/styled/SCCheckbox.h"
#include "controls/styled/SCCombobox.h"
#include "controls/styled/SCLabel.h"
#include "controls/styled/SCPanel.h"
#include "alarm/NextRing.h"
#include "dialogs/AlarmOptionsText.h"
#include "dialogs/FileChoice.h"
#include "runtime/Exception.h"
#include "runtime/Label.h"
#include "runtime/Shell.h"
#include "runtime/Timer.h"

namespace {
constexpr int DaysInWeek = 7;
constexpr unsigned RefreshIntervalMs = 10000;  // the next ring's text stays right while the window is open

// Box i shows Monday for i = 0; its bit in VelDays is the system's day number.
int DayBit(int boxIndex) { return 1 << ((boxIndex + 1) % DaysInWeek); }

template <std::size_t... I>
std::array<TSCCheckbox*, DaysInWeek> MakeDayBoxes(TComponent* owner, std::index_sequence<I...>) {
  return {((void)I, new TSCCheckbox(owner))...};
}

void OfferLengths(TSCCombobox& box, const std::vector<int>& choices, int current) {
  for (int seconds : choices) box.Items().Add(DurationText(seconds));
  if (box.Items().IndexOf(DurationText(current)) < 0) box.Items().Add(DurationText(current));
  box.SetText(DurationText(current));
}

int LengthIn(const TSCCombobox& box, const SettingRange& range, const char* what, const char* example) {
  const std::optional<int> seconds = ParseDuration(box.Text());
  if (seconds && range.Contains(*seconds)) return *seconds;
  throw Exception(std::string(what) + ": \"" + box.Text() + "\" is not a length the alarm can use. Choose one " +
                  "from the list, or type one from " + DurationText(static_cast<int>(range.minimum)) + " to " +
                  DurationText(static_cast<int>(range.maximum)) + ", for example \"" + example + "\".");
}

int LengthOrKept(const TSCCombobox& box, const SettingRange& range, int kept) {
  const std::optional<int> seconds = ParseDuration(box.Text());
  return seconds && range.Contains(*seconds) ? *seconds : kept;
}
}  // namespace

TAlarmOptionsWindow::TAlarmOptionsWindow(TComponent* owner, const SettingsRecord& settings, AlarmOptionsHost& host)
    : TForm(owner),
      HeaderPanel(new TSCPanel(this)),
      OptionsPanel(new TSCPanel(this)),
      ButtonPanel(new TSCPanel(this)),
      DaysLabel(new TLabel(this)),
      DayBoxes(MakeDayBoxes(this, std::make_index_sequence<DaysInWeek>())),
      SkipButton(new TSCButton(this)),
      DontSkipButton(new TSCButton(this)),
      SkipLabel(new TSCLabel(this)),
      SnoozeLabel(new TLabel(this)),
      SnoozeBox(new TSCCombobox(this)),
      FadeLabel(new TLabel(this)),
      FadeBox(new TSCCombobox(this)),
      FallbackLabel(new TLabel(this)),
      FallbackBox(new TSCCombobox(this)),
      FallbackFileLabel(new TLabel(this)),
      FallbackFileBox(new TSCCombobox(this)),
      BrowseButton(new TSCButton(this)),
      TryButton(new TSCButton(this)),
      OkButton(new TSCButton(this)),
      CancelButton(new TSCButton(this)),
      RefreshTimer(new TTimer(this)),
      settings_(settings),
      host_(host),
      skipDate_(settings.VelSkipDate) {
  BuildLayout();
  ShowSettings();
  BindEvents();
  ShowNextRing();
}

void TAlarmOptionsWindow::BindEvents() {
  const auto refresh = [this](TComponent*) { ShowNextRing(); };
  for (TSCCheckbox* box : DayBoxes) box->OnChange = refresh;
  SnoozeBox->OnChange = refresh;  // a snoozed alarm's next ring follows the days no more
  RefreshTimer->SetInterval(RefreshIntervalMs);
  RefreshTimer->OnTimer = refresh;
  SkipButton->OnClick = [this](TComponent*) { SkipClick(); };
  DontSkipButton->OnClick = [this](TComponent*) { DontSkipClick(); };
  BrowseButton->OnClick = [this](TComponent*) { BrowseClick(); };
  TryButton->OnClick = [this](TComponent*) { TryClick(); };
  OkButton->OnClick = [this](TComponent*) { OkClick(); };
  CancelButton->OnClick = [this](TComponent*) { SetModalResult(mrCancel); };
}

void TAlarmOptionsWindow::ShowSettings() {
  for (int i = 0; i < DaysInWeek; ++i) DayBoxes[i]->SetChecked((settings_.VelDays & DayBit(i)) != 0);
  OfferLengths(*SnoozeBox, SnoozeChoices(), settings_.VelSnoozeSeconds);
  OfferLengths(*FadeBox, FadeChoices(), settings_.VelFadeSeconds);
  OfferLengths(*FallbackBox, FallbackChoices(), settings_.VelFallbackSeconds);
  FallbackFileBox->SetText(settings_.VelFallbackFile);
}

SettingsRecord TAlarmOptionsWindow::SettingsAsShown() const {
  SettingsRecord shown = settings_;
  shown.VelDays = 0;
  for (int i = 0; i < DaysInWeek; ++i)
    if (DayBoxes[i]->Checked()) shown.VelDays |= DayBit(i);
  shown.VelSkipDate = skipDate_;
  shown.VelSnoozeSeconds = LengthOrKept(*SnoozeBox, SnoozeSecondsRange, settings_.VelSnoozeSeconds);
  shown.VelFadeSeconds = LengthOrKept(*FadeBox, FadeSecondsRange, settings_.VelFadeSeconds);
  shown.VelFallbackSeconds = LengthOrKept(*FallbackBox, FallbackSecondsRange, settings_.VelFallbackSeconds);
  shown.VelFallbackFile = FallbackFileBox->Text();
  return shown;
}

SettingsRecord TAlarmOptionsWindow::EditedSettings() const {
  SettingsRecord edited = SettingsAsShown();
  edited.VelSnoozeSeconds = LengthIn(*SnoozeBox, SnoozeSecondsRange, "Snooze length", "10 minutes");
  edited.VelFadeSeconds = LengthIn(*FadeBox, FadeSecondsRange, "Fade in", "45 seconds");
  edited.VelFallbackSeconds = LengthIn(*FallbackBox, FallbackSecondsRange, "Fallback after", "1 minute");
  return edited;
}

void TAlarmOptionsWindow::ShowNextRing() {
  const SettingsRecord shown = SettingsAsShown();
  const UtcMs now = host_.Now();
  HeaderPanel->SetCaption(NextAlarmText(host_.NextRing(shown, true), host_.Zone()));
  // A skip date already past holds nothing back: it is not shown.
  const bool skipAhead = skipDate_ >= DateNumber(host_.Zone().ToLocal(now));
  SkipLabel->SetCaption(skipAhead ? SkipText(skipDate_) : "");
  DontSkipButton->SetEnabled(skipAhead);
}

void TAlarmOptionsWindow::SkipClick() {
  // The ring that would come without any skip: pressing again skips the same day.
  SettingsRecord unskipped = SettingsAsShown();
  unskipped.VelSkipDate = NoSkipDate;
  const std::optional<RingSlot> next = host_.NextRing(unskipped, false);
  if (next) skipDate_ = next->date;
  ShowNextRing();
  if (!next) SkipLabel->SetCaption("No alarm to skip");
}

void TAlarmOptionsWindow::DontSkipClick() {
  skipDate_ = NoSkipDate;
  ShowNextRing();
}

void TAlarmOptionsWindow::BrowseClick() {
  if (const std::optional<std::string> file = ChooseExistingFile(*this)) FallbackFileBox->SetText(*file);
}

void TAlarmOptionsWindow::TryClick() { host_.TryRing(EditedSettings()); }

void TAlarmOptionsWindow::OkClick() {
  const SettingsRecord edited = EditedSettings();
  host_.SaveOptions(edited);
  SetModalResult(mrOk);
  // Saved all the same: the file may come back (a drive plugged in later), and until
  // then a ring falls back to the tone.
  if (!edited.VelFallbackFile.empty() && !FileExists(edited.VelFallbackFile))
    throw Exception("The options are saved, but the fallback file \"" + edited.VelFallbackFile +
                    "\" does not exist: until it does, the plug-in's own alarm tone plays instead. Choose the file " +
                    "again with \"...\", or leave the box empty.");
}
