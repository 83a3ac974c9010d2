// The styled controls in each of their states, and as the two windows use them: gradient
// panels, the XP push button, the XP check box, hyperlink labels and the address box,
// each state staged through the control's own tracking rules rather than a real
// pointer, so that several states show at once.
#include <windows.h>

#include <cstddef>
#include <string>

#include "controls/styled/SCButton.h"
#include "controls/styled/SCCheckbox.h"
#include "controls/styled/SCCombobox.h"
#include "controls/styled/SCLabel.h"
#include "controls/styled/SCPanel.h"
#include "dialogs/DialogLook.h"
#include "runtime/Form.h"
#include "tools/gallery/Gallery.h"

namespace {

struct Look {
  bool hot = false;
  bool mouseHeld = false;
  bool keyHeld = false;
  bool focused = false;
};

// A control whose hot, pressed and focused flags are set for the picture.
template <typename Control>
class Staged : public Control {
 public:
  using Control::Control;
  void Stage(const Look& look) {
    ControlTracking& tracking = this->TrackingState();
    if (look.hot) tracking.PointerAt(true, true);
    if (look.mouseHeld) tracking.MousePressed();
    if (look.keyHeld) tracking.KeyPressed();
    if (look.focused) tracking.FocusReceived();
    this->Invalidate();
  }
};

template <typename Control>
Control& Place(TWinControl& parent, int left, int top, int width, int height) {
  auto* control = new Control(&parent);
  control->SetBounds(left, top, width, height);
  control->SetParent(&parent);
  return *control;
}

// A line of text over its parent's background, in MS Sans Serif.
TSCLabel& PlainLine(TWinControl& parent, int left, int top, int width, int height, const std::string& text,
                    unsigned style, TColor color) {
  auto& line = Place<TSCLabel>(parent, left, top, width, height);
  SetFont(line.Font(), "MS Sans Serif", -11, style, color);
  line.SetHottrack(false);
  line.SetTransparent(true);
  line.SetCaption(text);
  return line;
}

// A small note naming what the control beside it shows.
void Note(TWinControl& parent, int left, int top, int width, const std::string& text) {
  PlainLine(parent, left, top, width, 16, text, 0, clBlack);
}

// A push button in the windows' look and size.
void Button(TWinControl& parent, int left, int top, const char* caption) {
  auto& button = Place<TSCButton>(parent, left, top, 175, 31);
  UseButtonLook(button);
  button.SetCaption(caption);
}

TSCPanel& GradientPanel(TWinControl& parent, int left, int top, int width, int height, TSCGradient direction) {
  auto& panel = Place<TSCPanel>(parent, left, top, width, height);
  UseGradientPanelLook(panel, direction);
  return panel;
}

HWND Shown(TForm& host, int width, int height) {
  host.SetClientSize(width, height);
  host.Show();
  // No real pointer over the controls: their looks are the staged ones.
  SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
  return host.Handle();
}

const GalleryScene panels("styled-panel", [](TForm& host) {
  const struct {
    TSCGradient direction;
    bool usesMid;
    const char* caption;
  } kinds[] = {{scgTopToBottom, false, "scgTopToBottom"},
               {scgBottomToTop, false, "scgBottomToTop"},
               {scgLeftToRight, false, "scgLeftToRight"},
               {scgRightToLeft, false, "scgRightToLeft"},
               {scgTopToBottom, true, "three colours, top to bottom"},
               {scgLeftToRight, true, "three colours, left to right"}};
  int index = 0;
  for (const auto& kind : kinds) {
    TSCPanel& panel = GradientPanel(host, 10 + (index % 2) * 250, 10 + (index / 2) * 90, 240, 80, kind.direction);
    panel.SetCaption(kind.caption);
    panel.SetAlignment(taCenter);
    if (kind.usesMid) {
      panel.SetGradientUsesMid(true);
      panel.SetGradientMid(clNavy);
      panel.SetGradientEnd(clWhite);
    }
    ++index;
  }
  TSCPanel& disabled = GradientPanel(host, 10, 280, 240, 60, scgNone);
  disabled.SetColor(clSilver);
  disabled.SetCaption("disabled: embossed caption");
  disabled.SetAlignment(taCenter);
  disabled.SetEnabled(false);
  TSCPanel& same = GradientPanel(host, 260, 280, 240, 60, scgTopToBottom);
  same.SetGradientEnd(clWhite);
  same.SetCaption("end colour = Color: plain fill");
  same.SetAlignment(taCenter);
  return Shown(host, 510, 350);
});

const GalleryScene buttons("styled-button", [](TForm& host) {
  const struct {
    const char* name;
    Look look;
    bool enabled;
  } states[] = {{"normal", {}, true},
                {"hot (mouse over)", {true, false, false, false}, true},
                {"pressed", {true, true, false, true}, true},
                {"focused", {false, false, false, true}, true},
                {"pressed, dragged off", {false, true, false, true}, true},
                {"space held", {false, false, true, true}, true},
                {"disabled", {}, false}};
  int index = 0;
  for (const auto& state : states) {
    const int left = 10 + (index % 2) * 200, top = 10 + (index / 2) * 60;
    Note(host, left, top, 190, state.name);
    auto& button = Place<Staged<TSCButton>>(host, left, top + 18, 175, 31);
    UseButtonLook(button);
    button.SetCaption(index == 0 ? "&Save settings" : "SNOOZE");
    button.SetEnabled(state.enabled);
    button.Stage(state.look);
    ++index;
  }
  return Shown(host, 400, 250);
});

// One state of a captioned control; `option` is its own switch (checked, hottrack).
struct CaptionedState {
  const char* caption;
  Look look;
  bool option;
  bool enabled;
};

// The states one below the other, `pitch` apart, `margin` from the window's edges.
template <typename Control, std::size_t Count>
HWND StateColumn(TForm& host, const CaptionedState (&states)[Count], int margin, int width, int pitch,
                 void (*dress)(Control& control, bool option)) {
  int top = margin;
  for (const CaptionedState& state : states) {
    auto& control = Place<Staged<Control>>(host, margin, top, width, 17);
    dress(control, state.option);
    control.SetCaption(state.caption);
    control.SetEnabled(state.enabled);
    control.Stage(state.look);
    top += pitch;
  }
  return Shown(host, width + 2 * margin, top + 4);
}

const GalleryScene checkboxes("styled-checkbox", [](TForm& host) {
  const CaptionedState states[] = {{"Unchecked", {}, false, true},
                                   {"Checked", {}, true, true},
                                   {"Hot (mouse over)", {true, false, false, false}, false, true},
                                   {"Pressed", {true, true, false, true}, true, true},
                                   {"Focused", {false, false, false, true}, true, true},
                                   {"Pressed, dragged off", {false, true, false, true}, false, true},
                                   {"Disabled, unchecked", {}, false, false},
                                   {"Disabled, checked", {}, true, false}};
  return StateColumn<TSCCheckbox>(host, states, 6, 300, 22, [](TSCCheckbox& box, bool checked) {
    UseCheckboxLook(box);
    box.SetChecked(checked);
  });
});

const GalleryScene labels("styled-label", [](TForm& host) {
  const CaptionedState states[] = {
      {"Visit my homepage (normal)", {}, true, true},
      {"Visit my homepage (mouse over)", {true, false, false, false}, true, true},
      {"Visit my homepage (focused, mouse elsewhere)", {false, false, false, true}, true, true},
      {"Hottrack off, mouse over: no change", {true, false, false, false}, false, true},
      {"Disabled: embossed", {}, true, false}};
  return StateColumn<TSCLabel>(host, states, 8, 330, 24, [](TSCLabel& label, bool hottrack) {
    UseLinkLook(label);
    label.SetHottrack(hottrack);
  });
});

// The address box over the options panel's gradient, as the dialog shows it.
TSCCombobox& AddressBox(TWinControl& parent, int top, const std::string& text) {
  auto& combo = Place<TSCCombobox>(parent, 0, top, 368, 20);
  UseAddressBoxLook(combo);
  combo.SetText(text);
  return combo;
}

const GalleryScene combobox("styled-combobox", [](TForm& host) {
  TSCPanel& panel = GradientPanel(host, 0, 0, 368, 200, scgTopToBottom);
  panel.SetGradientEnd(clNavy);
  Note(panel, 4, 4, 360, "transparent, no frame:");
  AddressBox(panel, 20, "http://radio.example/morning.m3u");
  Note(panel, 4, 46, 360, "focused, part of the text selected with the mouse:");
  TSCCombobox& focused = AddressBox(panel, 62, "C:\\Music\\Wake up\\playlist.m3u");
  Note(panel, 4, 88, 360, "disabled:");
  AddressBox(panel, 104, "http://radio.example/morning.m3u").SetEnabled(false);
  Note(panel, 4, 132, 360, "default frame, window colour:");
  auto& framed = Place<TSCCombobox>(panel, 4, 150, 300, 20);
  framed.SetText("a plain field with the default frame");
  const HWND shown = Shown(host, 368, 200);
  SendMessageA(focused.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, 10));
  SendMessageA(focused.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(150, 10));
  SendMessageA(focused.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(150, 10));
  return shown;
});

const GalleryScene dropped("styled-combobox-dropped", [](TForm& host) {
  TSCPanel& panel = GradientPanel(host, 0, 0, 368, 220, scgTopToBottom);
  panel.SetGradientEnd(clNavy);
  TSCCombobox& combo = AddressBox(panel, 20, "http://radio.example/morning.m3u");
  for (int i = 1; i <= 10; ++i) combo.Items().Add("http://radio.example/station-" + std::to_string(i) + ".pls");
  combo.Items().Insert(3, "http://radio.example/morning.m3u");
  HWND shown = Shown(host, 368, 220);
  // The form's activation arrives through the queue and would close a list opened now.
  for (const DWORD start = GetTickCount(); GetTickCount() - start < 200; Sleep(10)) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }
  combo.SetFocus();
  combo.SetDroppedDown(true);
  return shown;
});

// The options side of the configuration dialog: check boxes and the address box over
// the three-colour gradient, and the two buttons below them.
const GalleryScene options("styled-options-panel", [](TForm& host) {
  TSCPanel& panel = GradientPanel(host, 0, 0, 368, 238, scgTopToBottom);
  panel.SetGradientMid(clNavy);
  panel.SetGradientEnd(clWhite);
  panel.SetGradientUsesMid(true);
  const char* captions[] = {"Boost volume to MAX!! :-)", "Just boost volume, do not restart (curent song)",
                            "Snooze option (sets volume to 19%)", "Stream this mp3/playlist/URL"};
  int top = 0;
  for (const char* caption : captions) {
    auto& box = Place<TSCCheckbox>(panel, 0, top, 368, 17);
    UseCheckboxLook(box);
    box.SetCaption(caption);
    box.SetChecked(top == 0 || top == 51);
    top += 17;
  }
  AddressBox(panel, 68, "http://radio.example/morning.m3u");
  Button(panel, 4, 95, "Shoutcast");
  Button(panel, 181, 95, "Locate file");
  return Shown(host, 368, 238);
});

// The information side: three plain lines, two links and "Save settings" over the
// bottom panel's gradient.
const GalleryScene information("styled-info-panel", [](TForm& host) {
  TSCPanel& panel = GradientPanel(host, 0, 0, 702, 159, scgTopToBottom);
  const char* lines[] = {"This plugin is free of charge.",
                         "If you want to encourage me for future development versions or ",
                         "other general plugins then check one of the following URL's"};
  int top = 0;
  for (const char* line : lines) {
    PlainLine(panel, 0, top, 702, 17, line, fsBold, clNavy);
    top += 17;
  }
  for (const char* link : {"Visit my homepage", "Donate via paypal"}) {
    auto& label = Place<Staged<TSCLabel>>(panel, 0, top, 702, 17);
    UseLinkLook(label);
    label.SetTransparent(true);
    label.SetCaption(link);
    if (top == 51) label.Stage({true, false, false, false});
    top += 17;
  }
  Button(panel, 524, 126, "&Save settings");
  return Shown(host, 702, 159);
});

// Each control transparent over a navy-to-white gradient.
const GalleryScene transparent("styled-transparent", [](TForm& host) {
  TSCPanel& panel = GradientPanel(host, 0, 0, 400, 170, scgTopToBottom);
  panel.SetColor(clNavy);
  panel.SetGradientEnd(clWhite);
  auto& box = Place<TSCCheckbox>(panel, 0, 8, 400, 17);
  UseCheckboxLook(box);
  box.Font().SetColor(clWhite);
  box.SetCaption("Transparent check box");
  box.SetChecked(true);
  PlainLine(panel, 0, 34, 400, 17, "Transparent label with Hottrack off", fsBold, clWhite);
  AddressBox(panel, 60, "Transparent address box");
  auto& inner = Place<TSCPanel>(panel, 10, 92, 180, 34);
  inner.SetTransparent(true);
  inner.SetCaption("transparent panel");
  inner.SetAlignment(taCenter);
  SetFont(inner.Font(), "MS Sans Serif", -11, fsBold, clNavy);
  Button(panel, 210, 126, "DISABLE");
  return Shown(host, 400, 170);
});

}  // namespace
