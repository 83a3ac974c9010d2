#pragma once
// The placing and dressing the alarm windows share: positions, tab order, the small
// buttons, the bold captions and the length boxes.
#include <initializer_list>

#include "runtime/Graphics.h"

class TLabel;
class TSCButton;
class TSCCombobox;
class TWinControl;

constexpr TColor LightSteelBlue = 0xDEC4B0;  // red 176, green 196, blue 222: black text stays readable

void Place(TWinControl& control, TWinControl& parent, int left, int top, int width, int height);
// Children of one parent, first to last in tab order.
void SetTabOrders(std::initializer_list<TWinControl*> controls);
// The dialog's button look in a font small enough for buttons of 26 to 30 pixels.
void UseSmallButtonLook(TSCButton& button, const char* caption);
// Bold black Verdana over the panel.
void UseCaptionLook(TLabel& label, const char* caption);
// Black MS Sans Serif in the box and its list.
void UseLengthBoxLook(TSCCombobox& box);
