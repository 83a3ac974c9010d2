#include "dialogs/AlarmOptionsPanel.h"

#include <utility>

#include "controls/styled/SCButton.h"
#include "controls/styled/SCCheckbox.h"
#include "controls/styled/SCCombobox.h"
#include "controls/styled/SCLabel.h"
#include "dialogs/AlarmOptionsText.h"
#include "dialogs/DialogLook.h"
#include "dialogs/FileChoice.h"
#include "dialogs/LayoutHelpers.h"
#include "runtime/Exception.h"
#include "runtime/Form.h"
#include "runtime/Label.h"
#include "runtime/Shell.h"

namespace {
constexpr int DaysInWeek = 7;
constexpr const char* DayCaptions[] = {"&Mon", "T&ue", "&Wed", "T&hu", "&Fri", "S&at", "Su&n"};
constexpr int DayWidth = 64;
constexpr int CaptionLeft = 10;
constexpr int BoxLeft = 190;
// The ring's time limit in the window's seconds: whole minutes only.
constexpr SettingRange RingLimitRange{RingMinutesRange.minimum * 60, RingMinutesRange.maximum * 60, 0};

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

TForm& FormOf(TWinControl& control) {
  TWinControl* top = &control;
  while (top->Parent()) top = top->Parent();
  return *top->AsForm();
}
}  // namespace

TAlarmOptionsPanel::TAlarmOptionsPanel(TComponent* owner, RingSchedule& schedule,
                                       Callback<SettingsRecord()> windowSettings)
    : TSCPanel(owner),
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
      RingLimitLabel(new TLabel(this)),
      RingLimitBox(new TSCCombobox(this)),
      SystemSoundCheck(new TSCCheckbox(this)),
      SystemVolumeBox(new TSCCombobox(this)),
      WakeCheck(new TSCCheckbox(this)),
      ReadinessLabel(new TLabel(this)),
      PowerOptionsButton(new TSCButton(this)),
      schedule_(schedule),
      windowSettings_(std::move(windowSettings)) {
  BuildLayout();
  BindEvents();
}

void TAlarmOptionsPanel::BuildLayout() {
  UseGradientPanelLook(*this, scgTopToBottom);
  SetGradientEnd(LightSteelBlue);
  Place(*DaysLabel, *this, CaptionLeft, 6, 300, 17);
  UseCaptionLook(*DaysLabel, "Ring on these days");
  for (int i = 0; i < DaysInWeek; ++i) {
    Place(*DayBoxes[i], *this, CaptionLeft + i * DayWidth, 26, DayWidth - 4, 17);
    UseCheckboxLook(*DayBoxes[i]);
    DayBoxes[i]->SetCaption(DayCaptions[i]);
  }
  Place(*SkipButton, *this, CaptionLeft, 52, 170, 26);
  UseSmallButtonLook(*SkipButton, "&Skip next alarm");
  Place(*DontSkipButton, *this, BoxLeft, 52, 120, 26);
  UseSmallButtonLook(*DontSkipButton, "&Don't skip");
  Place(*SkipLabel, *this, CaptionLeft, 82, 450, 17);
  SkipLabel->SetTransparent(true);
  SkipLabel->SetHottrack(false);
  SkipLabel->SetAlignment(taLeftJustify);

  struct LengthRow {
    TLabel* label;
    TSCCombobox* box;
    const char* caption;
  };
  int top = 106;
  for (const LengthRow& row :
       {LengthRow{SnoozeLabel, SnoozeBox, "Snoo&ze length"}, LengthRow{FadeLabel, FadeBox, "Fade &in"},
        LengthRow{FallbackLabel, FallbackBox, "Fall&back after"},
        LengthRow{FallbackFileLabel, FallbackFileBox, "Fallback fil&e"},
        LengthRow{RingLimitLabel, RingLimitBox, "Stop rin&ging after"}}) {
    Place(*row.label, *this, CaptionLeft, top + 2, BoxLeft - CaptionLeft, 17);
    UseCaptionLook(*row.label, row.caption);
    row.label->SetFocusControl(row.box);
    Place(*row.box, *this, BoxLeft, top, 200, 20);
    UseLengthBoxLook(*row.box);
    top += 28;
  }
  FallbackFileBox->SetBounds(BoxLeft, top - 56, 232, 20);
  FallbackFileBox->SetHasList(false);  // a file is chosen with "..." or typed: there is no list to offer
  Place(*BrowseButton, *this, BoxLeft + 236, top - 58, 32, 24);
  UseSmallButtonLook(*BrowseButton, "...");

  Place(*SystemSoundCheck, *this, CaptionLeft, top + 2, 370, 17);
  UseCheckboxLook(*SystemSoundCheck);
  Place(*SystemVolumeBox, *this, 384, top, 76, 20);
  UseLengthBoxLook(*SystemVolumeBox);
  SystemVolumeBox->SetLabelledBy(SystemSoundCheck);
  for (int percent = 10; percent <= 100; percent += 10) SystemVolumeBox->Items().Add(PercentText(percent));
  Place(*WakeCheck, *this, CaptionLeft, top + 30, 450, 17);
  UseCheckboxLook(*WakeCheck);
  WakeCheck->SetCaption("Wake the PC f&rom sleep for the alarm");
  Place(*ReadinessLabel, *this, CaptionLeft, top + 52, 330, 40);
  ReadinessLabel->SetTransparent(true);
  ReadinessLabel->SetWordWrap(true);
  SetFont(ReadinessLabel->Font(), "Verdana", -11, fsBold, clBlack);
  Place(*PowerOptionsButton, *this, 346, top + 56, 116, 26);
  UseSmallButtonLook(*PowerOptionsButton, "&Power options...");

  SetTabOrders({DayBoxes[0],        DayBoxes[1],    DayBoxes[2],    DayBoxes[3],      DayBoxes[4],     DayBoxes[5],
                DayBoxes[6],        SkipButton,     DontSkipButton, SnoozeBox,        FadeBox,         FallbackBox,
                FallbackFileBox,    BrowseButton,   RingLimitBox,   SystemSoundCheck, SystemVolumeBox, WakeCheck,
                PowerOptionsButton, SkipLabel,      DaysLabel,      SnoozeLabel,      FadeLabel,       FallbackLabel,
                FallbackFileLabel,  RingLimitLabel, ReadinessLabel});
}

void TAlarmOptionsPanel::BindEvents() {
  for (TSCCheckbox* box : DayBoxes) box->OnChange = [this](TComponent*) { Change(); };
  SnoozeBox->OnChange = [this](TComponent*) { Change(); };  // a snoozed alarm's next ring follows the days no more
  SkipButton->OnClick = [this](TComponent*) { SkipClick(); };
  DontSkipButton->OnClick = [this](TComponent*) { DontSkipClick(); };
  BrowseButton->OnClick = [this](TComponent*) { BrowseClick(); };
  SystemVolumeBox->OnChange = [this](TComponent*) { ShowSystemSoundCaption(); };
  WakeCheck->OnChange = [this](TComponent*) { ShowReadiness(); };
  PowerOptionsButton->OnClick = [](TComponent*) { OpenLink(PowerOptionsPanel); };
}

void TAlarmOptionsPanel::ShowOptions(const SettingsRecord& settings) {
  for (int i = 0; i < DaysInWeek; ++i) DayBoxes[i]->SetChecked((settings.VelDays & DayBit(i)) != 0);
  skipDate_ = settings.VelSkipDate;
  OfferLengths(*SnoozeBox, SnoozeChoices(), settings.VelSnoozeSeconds);
  OfferLengths(*FadeBox, FadeChoices(), settings.VelFadeSeconds);
  OfferLengths(*FallbackBox, FallbackChoices(), settings.VelFallbackSeconds);
  FallbackFileBox->SetText(settings.VelFallbackFile);
  OfferLengths(*RingLimitBox, RingLimitChoices(), settings.VelRingMinutes * 60);
  SystemSoundCheck->SetChecked(settings.VelSystemSound);
  SystemVolumeBox->SetText(PercentText(settings.VelSystemVolumeMin));
  ShowSystemSoundCaption();
  WakeCheck->SetChecked(settings.VelWakeFromSleep);
  ShowReadiness();
}

void TAlarmOptionsPanel::ShowSystemSoundCaption() {
  const std::optional<int> percent = ParsePercent(SystemVolumeBox->Text());
  SystemSoundCheck->SetCaption("Ma&ke sure Windows' sound is on (at least " +
                               (percent ? PercentText(*percent) : SystemVolumeBox->Text()) + ")");
}

void TAlarmOptionsPanel::ShowReadiness() {
  ReadinessLabel->SetCaption(WakeReadinessText(schedule_.Power(), WakeCheck->Checked()));
}

SettingsRecord TAlarmOptionsPanel::WithOptions(SettingsRecord settings) const {
  settings.VelDays = 0;
  for (int i = 0; i < DaysInWeek; ++i)
    if (DayBoxes[i]->Checked()) settings.VelDays |= DayBit(i);
  settings.VelSkipDate = skipDate_;
  settings.VelSnoozeSeconds = LengthOrKept(*SnoozeBox, SnoozeSecondsRange, settings.VelSnoozeSeconds);
  settings.VelFadeSeconds = LengthOrKept(*FadeBox, FadeSecondsRange, settings.VelFadeSeconds);
  settings.VelFallbackSeconds = LengthOrKept(*FallbackBox, FallbackSecondsRange, settings.VelFallbackSeconds);
  settings.VelFallbackFile = FallbackFileBox->Text();
  settings.VelRingMinutes = LengthOrKept(*RingLimitBox, RingLimitRange, settings.VelRingMinutes * 60) / 60;
  settings.VelSystemSound = SystemSoundCheck->Checked();
  const std::optional<int> percent = ParsePercent(SystemVolumeBox->Text());
  if (percent && SystemVolumeMinRange.Contains(*percent)) settings.VelSystemVolumeMin = *percent;
  settings.VelWakeFromSleep = WakeCheck->Checked();
  return settings;
}

SettingsRecord TAlarmOptionsPanel::WithCheckedOptions(const SettingsRecord& settings) const {
  SettingsRecord edited = WithOptions(settings);
  edited.VelSnoozeSeconds = LengthIn(*SnoozeBox, SnoozeSecondsRange, "Snooze length", "10 minutes");
  edited.VelFadeSeconds = LengthIn(*FadeBox, FadeSecondsRange, "Fade in", "45 seconds");
  edited.VelFallbackSeconds = LengthIn(*FallbackBox, FallbackSecondsRange, "Fallback after", "1 minute");
  edited.VelRingMinutes = LengthIn(*RingLimitBox, RingLimitRange, "Stop ringing after", "15 minutes") / 60;
  const std::optional<int> percent = ParsePercent(SystemVolumeBox->Text());
  if (!percent || !SystemVolumeMinRange.Contains(*percent))
    throw Exception("Windows' sound: \"" + SystemVolumeBox->Text() +
                    "\" is not a volume the alarm can use. Choose one from the list, or type a percent from 0 to "
                    "100, for example \"30 %\".");
  return edited;
}

void TAlarmOptionsPanel::ShowSkip() {
  const bool skipAhead = skipDate_ >= DateNumber(schedule_.Zone().ToLocal(schedule_.Now()));
  SkipLabel->SetCaption(skipAhead ? SkipText(skipDate_) : "");
  DontSkipButton->SetEnabled(skipAhead);
}

void TAlarmOptionsPanel::SkipClick() {
  // The ring that would come without any skip: pressing again skips the same day.
  SettingsRecord unskipped = windowSettings_();
  unskipped.VelSkipDate = NoSkipDate;
  const std::optional<RingSlot> next = schedule_.NextRing(unskipped, false);
  if (next) skipDate_ = next->date;
  Change();
  if (!next) SkipLabel->SetCaption("No alarm to skip");
}

void TAlarmOptionsPanel::DontSkipClick() {
  skipDate_ = NoSkipDate;
  Change();
}

void TAlarmOptionsPanel::BrowseClick() {
  if (const std::optional<std::string> file = ChooseExistingFile(FormOf(*this))) FallbackFileBox->SetText(*file);
}
