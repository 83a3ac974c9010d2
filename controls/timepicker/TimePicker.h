#pragma once
// The clock-face time picker: a time of day with minute resolution, shown as text in a
// strip along the top, as an analogue clock and as an AM/PM choice along the bottom.
// The left button sets the hour on the face, the right button the minute; the AM and PM
// selectors, the arrow and page keys and an optional Set button do the rest.
#include <memory>
#include <string>

#include "controls/timepicker/ClockFaceColors.h"
#include "controls/timepicker/ClockGeometry.h"
#include "controls/timepicker/PickerTime.h"
#include "controls/timepicker/RzCustomPanel.h"
#include "runtime/DayTime.h"
#include "runtime/Theme.h"

class THintWindow;
class TTimer;

class TRzTimePicker : public TRzCustomPanel {
 public:
  explicit TRzTimePicker(TComponent* owner);
  ~TRzTimePicker() override;

  TTime Time() const { return time_; }
  // Keeps the hour and minute of the value's time of day (a negative value mirrors;
  // NaN, infinities and huge values count as midnight) and raises OnChange.
  virtual void SetTime(TTime value);
  bool IsPM() const { return pm_; }

  const std::string& Format() const { return format_; }
  void SetFormat(const std::string& format);
  const std::string& CaptionAM() const { return captionAM_; }
  void SetCaptionAM(const std::string& caption);
  const std::string& CaptionPM() const { return captionPM_; }
  void SetCaptionPM(const std::string& caption);
  const std::string& CaptionSet() const { return captionSet_; }
  void SetCaptionSet(const std::string& caption);
  bool ShowSetButton() const { return showSetButton_; }
  void SetShowSetButton(bool show);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);
  TRzClockFaceColors& ClockFaceColors() { return clockFaceColors_; }
  void SetClockFaceColors(const TRzClockFaceColors& colors) { clockFaceColors_.Assign(colors); }

  bool RestrictMinutes = false;  // minutes set with the mouse snap to multiples of five
  bool ShowHowToUseHint = true;  // the how-to-use hint below the control over the face
  std::string HowToUseMsg;       // empty: the default text

  TNotifyEvent OnChange;       // after every change of Time
  TNotifyEvent OnSetTime;      // a button released on the face after setting hour or minute
  TNotifyEvent OnSetBtnClick;  // the Set button, its accelerator or Enter

  // Where the parts are for the current size, font and captions.
  ClockLayout Layout() const;

 protected:
  void Paint(TCanvas& canvas) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void DoEnter() override;
  void DoExit() override;
  void MouseEnter() override;
  void MouseLeave() override;
  bool DialogChar(char key) override;
  UINT DialogCode(WORD key) override;
  void Describe(AccessibleFacts& facts) override;
  void EnabledChanged() override;
  void FontChanged() override;
  void ConstrainSize(int& width, int& height) override;
  void CaptureLost(HWND newOwner) override;
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // Text sizes in the control's font, measured again when the font or a caption changes.
  struct TextMeasures {
    int fontHeight = 0;  // text-metric height
    int amWidth = 0;     // of the captions as shown
    int pmWidth = 0;
    Size zero;  // of the text "0": the size rule's unit
  };

  void SetHour(int faceHour);
  void SetMinute(int minute);
  void SwitchToAM();
  void SwitchToPM();
  void StepTime(ClockKeyStep step);
  void RaiseSetBtnClick();
  void EndPress();
  void CaptionChanged(std::string& field, const std::string& caption);
  void MeasureText();
  void AdjustSize();
  // The how-to-use hint, in TimePickerHint.cpp.
  void UpdateHint(Point pointer);
  void HideHint();
  void HintTimerTick();

  // Painting, in TimePickerPaint.cpp.
  void PaintBackground(TCanvas& canvas);
  void PaintTextStrip(TCanvas& canvas, const ClockLayout& layout);
  void PaintClockFace(TCanvas& canvas, const ClockLayout& layout);
  void PaintSeparator(TCanvas& canvas, const ClockLayout& layout);
  void PaintRadioSelector(TCanvas& canvas, const Rect& r, const std::string& caption, bool checked);
  void PaintSetButton(TCanvas& canvas, const Rect& r);
  HWND ThemeWindow();  // none before the window exists: painting must not create it
  // The captions as shown: the defaults stand in for empty ones.
  std::string ShownCaptionAM() const;
  std::string ShownCaptionPM() const;
  std::string ShownCaptionSet() const;

  TTime time_ = 0;
  bool pm_ = false;
  std::string format_;
  std::string captionAM_;
  std::string captionPM_;
  std::string captionSet_;
  bool showSetButton_ = false;
  bool autoSize_ = true;
  TRzClockFaceColors clockFaceColors_{*this};
  TextMeasures measures_;

  bool leftDown_ = false;
  bool rightDown_ = false;
  PickerPart pressed_ = PickerPart::None;

  WindowThemes themes_;
  std::unique_ptr<THintWindow> hint_;  // made on first use
  std::unique_ptr<TTimer> hintTimer_;  // hides the hint once the pointer has left the face
};
