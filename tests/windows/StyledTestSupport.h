#pragma once
// What the styled controls' Windows tests share: placing a control on a host, driving
// it with the messages a user's mouse and keyboard would send, and reading back pixels.
#include <windows.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "runtime/Form.h"
#include "runtime/OffscreenBitmap.h"
#include "runtime/WinControl.h"

template <typename Control>
Control& AddControl(TWinControl& parent, int left, int top, int width, int height) {
  auto* control = new Control(&parent);
  control->SetBounds(left, top, width, height);
  control->SetParent(&parent);
  return *control;
}

// Moves the real pointer far from every test window, so that no control is hot.
void ParkPointer();

// The tests of one control: a shown host form, with the pointer parked away from it.
class HostedTest : public ::testing::Test {
 protected:
  void Host(int clientWidth, int clientHeight);
  std::unique_ptr<TForm> form;
};
// Puts the real pointer over a point of the control and tells the control it moved there.
void PointAt(TWinControl& control, int x, int y);
void PressLeft(TWinControl& control, int x, int y);
void ReleaseLeft(TWinControl& control, int x, int y);
// A left click at one point: press and release.
void ClickAt(TWinControl& control, int x, int y);
void KeyDown(TWinControl& control, WORD key);
void KeyUp(TWinControl& control, WORD key);
void TypeChar(TWinControl& control, char key);

// The number of pixels inside `r` for which `test` holds.
int CountPixels(OffscreenBitmap& image, const Rect& r, const std::function<bool(TColor)>& test);

// The message of the Exception `action` throws; empty when it throws none.
std::string ExceptionMessage(const std::function<void()>& action);

// Channels within `tolerance` of each other.
bool NearColor(TColor a, TColor b, int tolerance);
