#pragma once
// Writes the plug-in's registry values before it loads, as its configuration dialog
// would or, for the wrong-type cases, raw. Each write is logged; a failed one throws
// std::runtime_error naming the value.
#include <windows.h>

#include <string>
#include <vector>

class SimLog;

// A raw write (any type, any bytes) or a delete, for the wrong-type cases.
struct RawSettingEdit {
  bool remove = false;
  std::string name;
  DWORD type = REG_NONE;
  std::vector<unsigned char> data;
};

class SettingsWriter {
 public:
  explicit SettingsWriter(SimLog& log) : log_(log) {}

  void DeleteKey();
  // The wake-up time as the dialog saves it (a whole minute, date part 0), and armed.
  void Arm(int hour, int minute);
  void WriteText(const std::string& name, const std::string& text);
  void WriteFlag(const std::string& name, bool on);
  void WriteRaw(const std::string& name, DWORD type, const std::vector<unsigned char>& data);
  void DeleteValue(const std::string& name);
  // Applies the edits in order.
  void Apply(const std::vector<RawSettingEdit>& edits);

 private:
  void Store(const std::string& name, DWORD type, const std::vector<unsigned char>& data);

  SimLog& log_;
};
