#include "tools/player-sim/SimOptions.h"

#include <charconv>
#include <functional>
#include <limits>
#include <map>

#include <shellapi.h>

#include "runtime/WideText.h"

namespace {
// Long enough for any demo, short enough that a typo cannot leave a run going for days.
constexpr unsigned long LongestPeriodMs = 24UL * 60 * 60 * 1000;
constexpr int MostExportCalls = 1000;

class ArgumentReader {
 public:
  ArgumentReader(int argc, char** argv) : argc_(argc), argv_(argv) {}
  bool AtEnd() const { return index_ >= argc_; }
  std::string Next(const std::string& option) {
    if (AtEnd()) throw OptionError(option + " needs a value");
    return argv_[index_++];
  }
  // The argument Next returned last, as the wide command line holds it: the 8-bit
  // argv loses every character outside the ANSI code page.
  std::wstring LastAsWide() const {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    const std::wstring argument = wide && index_ - 1 < count ? wide[index_ - 1] : L"";
    LocalFree(wide);
    return argument;
  }

 private:
  int argc_;
  char** argv_;
  int index_ = 1;
};

template <typename Number>
Number ParseNumber(const std::string& option, const std::string& text, Number lowest, Number highest) {
  Number value{};
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, value);
  if (text.empty() || result.ec != std::errc() || result.ptr != end || value < lowest || value > highest) {
    throw OptionError(option + ": '" + text + "' is not a whole number from " + std::to_string(lowest) + " to " +
                      std::to_string(highest));
  }
  return value;
}

unsigned long ParseMilliseconds(const std::string& option, const std::string& text) {
  return ParseNumber<unsigned long>(option, text, 0, LongestPeriodMs);
}

bool ParseSwitch(const std::string& option, const std::string& text) {
  if (text == "on") return true;
  if (text == "off") return false;
  throw OptionError(option + ": '" + text + "' is neither on nor off");
}

PlayState ParsePlayState(const std::string& text) {
  if (text == "playing") return PlayState::playing;
  if (text == "paused") return PlayState::paused;
  if (text == "stopped") return PlayState::stopped;
  throw OptionError("--state: '" + text + "' is not playing, paused or stopped");
}

ArmRequest ParseArm(const std::string& text) {
  ArmRequest request;
  if (text == "now") return request;
  if (text == "next") {
    request.kind = ArmRequest::Kind::next;
    return request;
  }
  const auto colon = text.find(':');
  if (colon == std::string::npos || text.size() - colon != 3) {
    throw OptionError("--arm: '" + text + "' is not now, next or HH:MM");
  }
  request.kind = ArmRequest::Kind::at;
  request.hour = ParseNumber<int>("--arm hour", text.substr(0, colon), 0, 23);
  request.minute = ParseNumber<int>("--arm minute", text.substr(colon + 1), 0, 59);
  return request;
}

std::vector<std::string> SplitAtBars(const std::string& text) {
  std::vector<std::string> entries;
  if (text.empty()) return entries;
  std::string::size_type start = 0;
  for (;;) {
    const auto bar = text.find('|', start);
    entries.push_back(text.substr(start, bar - start));
    if (bar == std::string::npos) return entries;
    start = bar + 1;
  }
}

std::vector<unsigned char> ParseHexBytes(const std::string& text) {
  if (text.size() % 2 != 0) throw OptionError("--set-value: binary data needs two hex digits per byte");
  std::vector<unsigned char> bytes;
  for (std::string::size_type i = 0; i < text.size(); i += 2) {
    unsigned value = 0;
    const char* first = text.data() + i;
    const auto result = std::from_chars(first, first + 2, value, 16);
    if (result.ec != std::errc() || result.ptr != first + 2) {
      throw OptionError("--set-value: '" + text + "' is not hex digits");
    }
    bytes.push_back(static_cast<unsigned char>(value));
  }
  return bytes;
}

RawSettingEdit ParseSetValue(ArgumentReader& arguments) {
  RawSettingEdit edit;
  edit.name = arguments.Next("--set-value");
  const std::string type = arguments.Next("--set-value " + edit.name);
  const std::string data = arguments.Next("--set-value " + edit.name + " " + type);
  if (type == "sz" || type == "expand_sz") {
    edit.type = type == "sz" ? REG_SZ : REG_EXPAND_SZ;
    edit.data.assign(data.c_str(), data.c_str() + data.size() + 1);
  } else if (type == "dword") {
    const auto number = ParseNumber<DWORD>("--set-value dword", data, 0, std::numeric_limits<DWORD>::max());
    edit.type = REG_DWORD;
    edit.data.assign(reinterpret_cast<const unsigned char*>(&number),
                     reinterpret_cast<const unsigned char*>(&number) + sizeof number);
  } else if (type == "binary") {
    edit.type = REG_BINARY;
    edit.data = ParseHexBytes(data);
  } else {
    throw OptionError("--set-value: '" + type + "' is not sz, expand_sz, dword or binary");
  }
  return edit;
}

using OptionHandler = std::function<void(ArgumentReader&, SimOptions&)>;

const std::map<std::string, OptionHandler>& Handlers() {
  static const std::map<std::string, OptionHandler> handlers = {
      {"--help", [](ArgumentReader&, SimOptions& o) { o.help = true; }},
      {"--plugin", [](ArgumentReader& a, SimOptions& o) { o.pluginPath = a.Next("--plugin"); }},
      {"--export-calls",
       [](ArgumentReader& a, SimOptions& o) {
         o.exportCalls = ParseNumber<int>("--export-calls", a.Next("--export-calls"), 0, MostExportCalls);
       }},
      {"--config", [](ArgumentReader&, SimOptions& o) { o.callConfig = true; }},
      {"--stall",
       [](ArgumentReader& a, SimOptions& o) { o.stallMs = ParseMilliseconds("--stall", a.Next("--stall")); }},
      {"--run", [](ArgumentReader& a, SimOptions& o) { o.runMs = ParseMilliseconds("--run", a.Next("--run")); }},
      {"--run-until",
       [](ArgumentReader& a, SimOptions& o) {
         o.runUntil = a.Next("--run-until");
         if (o.runUntil.empty()) throw OptionError("--run-until needs a text");
       }},
      {"--give-up",
       [](ArgumentReader& a, SimOptions& o) {
         o.giveUpSeconds = ParseNumber<unsigned long>("--give-up", a.Next("--give-up"), 1, LongestPeriodMs / 1000);
       }},
      {"--no-quit", [](ArgumentReader&, SimOptions& o) { o.callQuit = false; }},
      {"--after-unload",
       [](ArgumentReader& a, SimOptions& o) {
         o.afterUnloadMs = ParseMilliseconds("--after-unload", a.Next("--after-unload"));
       }},
      {"--call-limit",
       [](ArgumentReader& a, SimOptions& o) {
         o.callLimitMs = ParseMilliseconds("--call-limit", a.Next("--call-limit"));
       }},
      {"--dismiss-boxes", [](ArgumentReader&, SimOptions& o) { o.dismissBoxes = true; }},
      {"--screen-reader", [](ArgumentReader&, SimOptions& o) { o.screenReader = true; }},
      {"--playlist", [](ArgumentReader& a, SimOptions& o) { o.playlist = SplitAtBars(a.Next("--playlist")); }},
      {"--state", [](ArgumentReader& a, SimOptions& o) { o.state = ParsePlayState(a.Next("--state")); }},
      {"--position",
       [](ArgumentReader& a, SimOptions& o) {
         o.position = ParseNumber<std::int32_t>("--position", a.Next("--position"),
                                                std::numeric_limits<std::int32_t>::min(),
                                                std::numeric_limits<std::int32_t>::max());
       }},
      {"--no-player-window",
       [](ArgumentReader&, SimOptions& o) {
         o.playerWindowFindable = false;
         o.fillParentWindow = false;
       }},
      {"--parent-zero", [](ArgumentReader&, SimOptions& o) { o.fillParentWindow = false; }},
      {"--track-seconds",
       [](ArgumentReader& a, SimOptions& o) {
         o.trackSeconds = ParseNumber<int>("--track-seconds", a.Next("--track-seconds"), 1, 86400);
       }},
      {"--silent-entry", [](ArgumentReader& a, SimOptions& o) { o.silentEntries.push_back(a.Next("--silent-entry")); }},
      {"--settings-folder",
       [](ArgumentReader& a, SimOptions& o) {
         a.Next("--settings-folder");
         o.settingsFolder = a.LastAsWide();
       }},
      {"--player-version",
       [](ArgumentReader& a, SimOptions& o) {
         o.playerVersion = ParseNumber<long>("--player-version", a.Next("--player-version"), 0, 0xFFFF);
       }},
      {"--quit-inside",
       [](ArgumentReader& a, SimOptions& o) {
         o.quitInside = ParseNumber<long>("--quit-inside", a.Next("--quit-inside"), 1, 0xFFFF);
       }},
      {"--no-menus", [](ArgumentReader&, SimOptions& o) { o.menusAnswered = false; }},
      {"--reset-settings", [](ArgumentReader&, SimOptions& o) { o.resetSettings = true; }},
      {"--arm", [](ArgumentReader& a, SimOptions& o) { o.arm = ParseArm(a.Next("--arm")); }},
      {"--url", [](ArgumentReader& a, SimOptions& o) { o.url = a.Next("--url"); }},
      {"--stream", [](ArgumentReader& a, SimOptions& o) { o.streaming = ParseSwitch("--stream", a.Next("--stream")); }},
      {"--volume", [](ArgumentReader& a, SimOptions& o) { o.maxVolume = ParseSwitch("--volume", a.Next("--volume")); }},
      {"--snooze", [](ArgumentReader& a, SimOptions& o) { o.snooze = ParseSwitch("--snooze", a.Next("--snooze")); }},
      {"--no-restart",
       [](ArgumentReader& a, SimOptions& o) { o.noRestart = ParseSwitch("--no-restart", a.Next("--no-restart")); }},
      {"--active", [](ArgumentReader& a, SimOptions& o) { o.active = ParseSwitch("--active", a.Next("--active")); }},
      {"--set-value", [](ArgumentReader& a, SimOptions& o) { o.rawEdits.push_back(ParseSetValue(a)); }},
      {"--config-set",
       [](ArgumentReader& a, SimOptions& o) {
         o.configEdits.push_back(ParseSetValue(a));
         o.callConfig = true;
       }},
      {"--delete-value",
       [](ArgumentReader& a, SimOptions& o) {
         RawSettingEdit edit;
         edit.remove = true;
         edit.name = a.Next("--delete-value");
         o.rawEdits.push_back(edit);
       }},
      {"--ui",
       [](ArgumentReader& a, SimOptions& o) {
         a.Next("--ui");
         o.uiSteps = Utf8FromWide(a.LastAsWide());  // what the steps type may be any text
       }},
      {"--history",
       [](ArgumentReader& a, SimOptions& o) {
         o.history = SplitAtBars(a.Next("--history"));
         o.historyGiven = true;
       }},
      {"--history-read-only", [](ArgumentReader&, SimOptions& o) { o.historyReadOnly = o.historyGiven = true; }},
      {"--dump-history", [](ArgumentReader&, SimOptions& o) { o.dumpHistory = true; }},
      {"--dump-settings", [](ArgumentReader&, SimOptions& o) { o.dumpSettings = true; }},
      {"--log", [](ArgumentReader& a, SimOptions& o) { o.logPath = a.Next("--log"); }},
      {"--report-cpu", [](ArgumentReader&, SimOptions& o) { o.reportCpu = true; }},
      {"--report-memory", [](ArgumentReader&, SimOptions& o) { o.reportMemory = true; }},
  };
  return handlers;
}
}  // namespace

SimOptions ParseOptions(int argc, char** argv) {
  SimOptions options;
  ArgumentReader arguments(argc, argv);
  while (!arguments.AtEnd()) {
    const std::string option = arguments.Next("");
    const auto handler = Handlers().find(option);
    if (handler == Handlers().end()) throw OptionError("unknown option '" + option + "'");
    handler->second(arguments, options);
  }
  return options;
}
