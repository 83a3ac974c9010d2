#pragma once
// The look both windows share, in one place: the fonts and colours of their gradient
// panels, the navy XP buttons, the bold check boxes, the hyperlink lines and the
// frameless address box. The gallery and the benchmark dress their controls with it too.
#include "controls/styled/SCPanel.h"
#include "runtime/Graphics.h"

class TSCButton;
class TSCCheckbox;
class TSCCombobox;
class TSCLabel;
class TRzTimePicker;

constexpr TColor Orange = 33023;  // red 255, green 128, blue 0

void SetFont(TFont& font, const char* name, int height, unsigned style, TColor color, BYTE charset = DEFAULT_CHARSET);

// Bold navy MS Sans Serif captions over a gradient running `direction`.
void UseGradientPanelLook(TSCPanel& panel, TSCGradient direction);
// A band that states something (the next ring): white on a dark blue gradient, readable
// from end to end, unlike navy text on the navy-to-white one.
void UseStatementBandLook(TSCPanel& panel);
// Bold silver Verdana on navy with white rounded corners.
void UseButtonLook(TSCButton& button);
// Bold black Verdana (central European character set), XP box, no background of its own.
void UseCheckboxLook(TSCCheckbox& box);
// Bold underlined blue MS Sans Serif.
void UseLinkLook(TSCLabel& label);
// Bold white MS Sans Serif, no frame, the panel's gradient behind the text.
void UseAddressBoxLook(TSCCombobox& combo);
// The snooze window's display-only clock: bold orange time on white, silver face, seconds
// shown, no frame, no hint.
void UseSnoozeClockLook(TRzTimePicker& clock);
