// The clock-face time picker as the two windows use it: the default control at three
// times of day, the configuration dialog's instance, the snooze window's display-only
// clock and a focused control, all in the classic drawing; and one with the visual
// styles of the current theme and the Set button shown.
#include <windows.h>
#include <uxtheme.h>

#include <stdexcept>

#include "controls/timepicker/TimePicker.h"
#include "dialogs/DialogLook.h"
#include "runtime/Form.h"
#include "tools/gallery/Gallery.h"

namespace {

enum class Drawing { Classic, Themed };

TRzTimePicker& PickerOn(TForm& host, int width, int height, TTime time, Drawing drawing = Drawing::Classic) {
  host.SetClientSize(width, height);
  auto* picker = new TRzTimePicker(&host);
  picker->SetAlign(TAlign::alClient);
  picker->SetParent(&host);
  picker->SetTime(time);
  // The platform's way for one window to leave the visual styles.
  if (drawing == Drawing::Classic && FAILED(SetWindowTheme(picker->Handle(), L" ", L" ")))
    throw std::runtime_error("cannot turn the visual styles off for the picker");
  host.Show();
  return *picker;
}

HWND DefaultPicker(TForm& host, int hour, int minute) {
  PickerOn(host, 160, 190, EncodeTime(hour, minute, 0, 0));
  return host.Handle();
}

const GalleryScene at0300("picker-default-0300", [](TForm& host) { return DefaultPicker(host, 3, 0); });
const GalleryScene at1530("picker-default-1530", [](TForm& host) { return DefaultPicker(host, 15, 30); });
const GalleryScene at0010("picker-default-0010", [](TForm& host) { return DefaultPicker(host, 0, 10); });

const GalleryScene focused("picker-focused", [](TForm& host) {
  TRzTimePicker& picker = PickerOn(host, 160, 190, EncodeTime(10, 10, 0, 0));
  picker.SetFocus();
  return host.Handle();
});

const GalleryScene dialog("picker-dialog", [](TForm& host) {
  TRzTimePicker& picker = PickerOn(host, 334, 202, EncodeTime(6, 45, 0, 0));
  // The font it takes from its panel in the dialog.
  picker.Font().SetStyle(fsBold);
  picker.Font().SetColor(clNavy);
  picker.SetBorderSides(NoBorderSides);
  return host.Handle();
});

const GalleryScene snooze("picker-snooze", [](TForm& host) {
  TRzTimePicker& picker = PickerOn(host, 365, 190, EncodeTime(7, 52, 0, 0));
  UseSnoozeClockLook(picker);
  return host.Handle();
});

const GalleryScene themed("picker-themed", [](TForm& host) {
  TRzTimePicker& picker = PickerOn(host, 160, 190, EncodeTime(20, 10, 0, 0), Drawing::Themed);
  picker.SetShowSetButton(true);
  return host.Handle();
});

}  // namespace
