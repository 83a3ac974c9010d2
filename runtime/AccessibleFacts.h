#pragma once
// What a screen reader is told of a control: the facts each control gives of itself,
// in Active Accessibility's terms (the role and state numbers are that interface's).
#include <string>

enum class AccessibleRole : long {
  Window = 9,
  Client = 10,
  Dialog = 18,
  Grouping = 20,
  Link = 30,
  List = 33,
  ListItem = 34,
  StaticText = 41,
  PushButton = 43,
  CheckButton = 44,
  RadioButton = 45,
  ComboBox = 46,
  Clock = 61,
};

struct AccessibleFacts {
  AccessibleRole role = AccessibleRole::Client;
  std::string name;           // what the control is called, without the accelerator's "&"
  std::string value;          // a field's contents: the address, the picker's time
  std::string defaultAction;  // "Press", "Check", "Uncheck", "Jump"; empty: none
  std::string shortcut;       // "Alt+S"
  bool focusable = false;
  bool focused = false;
  bool checked = false;
  bool unavailable = false;
  bool invisible = false;
  bool readOnly = false;
  bool linked = false;
};

// The state bits of Active Accessibility for these facts.
unsigned long AccessibleStateBits(const AccessibleFacts& facts);
