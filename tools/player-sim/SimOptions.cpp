#include "tools/player-sim/SimOptions.h"

#include <charconv>
#include <functional>
#include <limits>
#include <map>

#include <shellapi.h>

namespace {
// Long enough for any demo, short enough that a typo cannot leave a run going for days.
constexpr unsigned long LongestPeriodMs = 24UL * 60 * 60 * 1000;
constexpr int MostExportCalls = 1000;

const char* const Usage =
    "Usage: player-sim [options]\n"
    "Stands in for the Winamp player: loads a general purpose plug-in, answers the\n"
    "player's window messages and logs every step, one line each.\n"
    "\n"
    "Plug-in:\n"
    "  --plugin PATH          plug-in DLL (default: gen_Rousa.dll beside player-sim.exe)\n"
    "  --export-calls N       call the export N times (default 1)\n"
    "  --config               call config after init\n"
    "  --stall MS             after init, sleep MS without handling messages\n"
    "  --run MS               handle messages MS after init (default 3000)\n"
    "  --run-until TEXT       instead, handle messages until a log line starting\n"
    "                         with TEXT has been written (before the period too)\n"
    "  --give-up SECONDS      ... or until SECONDS have passed (default 120)\n"
    "  --no-quit              unload without calling quit\n"
    "  --after-unload MS      handle messages MS more after unloading\n"
    "  --call-limit MS        end with exit code 3 when a call into the plug-in has\n"
    "                         not returned after MS (default 120000, 0: no limit)\n"
    "  --ui \"STEP; STEP\"      act as a user at the plug-in's windows (window TITLE,\n"
    "                         click TEXT, click-at X Y, rclick TEXT, hover TEXT,\n"
    "                         key NAME, alt C,\n"
    "                         type TEXT, field ID TEXT, press ID, state TEXT,\n"
    "                         wait checked|unchecked|enabled|disabled TEXT,\n"
    "                         wait log TEXT, wait text TEXT, wait gone, texts,\n"
    "                         config, menu open main|options|'PATH',\n"
    "                         menu pick PATH, shot FILE, close,\n"
    "                         sleep MS), beside the player's thread; every wait\n"
    "                         gives up after 30 s\n"
    "  --dismiss-boxes        log and close (OK) every dialog box of this process\n"
    "\n"
    "Player:\n"
    "  --playlist \"a|b|c\"     initial playlist\n"
    "  --state playing|paused|stopped    initial play state (default stopped)\n"
    "  --position N           initial playlist position (default 1, or 0 when empty)\n"
    "  --no-player-window     main window of another class, header parent left 0\n"
    "  --parent-zero          main window of the player's class, header parent left 0\n"
    "  --silent-entry TEXT    while this entry plays, its play position (WM_USER\n"
    "                         lParam 105) stays 0, as a stream that never delivers;\n"
    "                         repeatable\n"
    "  --settings-folder PATH answer WM_USER lParam 1335 (wide) and 335 (ANSI) with\n"
    "                         PATH, the player's settings folder (default: no answer)\n"
    "  --quit-inside N        call quit while handling the first WM_USER lParam N\n"
    "  --no-menus             answer 0 to WM_USER lParam 281 (the player's menus),\n"
    "                         as an older player does\n"
    "  Playlist positions count from 1: position n selects the n-th entry,\n"
    "  0 or a position past the end selects nothing.\n"
    "\n"
    "Settings under HKCU\\Software\\VelWakeUp, written before the plug-in loads:\n"
    "  --reset-settings       delete the key first\n"
    "  --arm now|next|HH:MM   VelWakeupTime = that minute, VelActive = 1 (\"now\" waits\n"
    "                         for the next minute when 45 s of this one are gone;\n"
    "                         \"next\" then takes the minute after the next)\n"
    "  --url TEXT             VelURL\n"
    "  --stream on|off        VelStreaming\n"
    "  --volume on|off        VelVolume\n"
    "  --snooze on|off        VelSnooze\n"
    "  --no-restart on|off    VelNoRestart\n"
    "  --active on|off        VelActive\n"
    "  --set-value NAME sz|expand_sz|dword|binary DATA\n"
    "                         raw write, after the others (dword in decimal, binary\n"
    "                         as hex digits, may be empty); repeatable\n"
    "  --delete-value NAME    raw delete, after the others; repeatable\n"
    "  --config-set NAME sz|expand_sz|dword|binary DATA\n"
    "                         raw write right before config (implies --config)\n"
    "  --dump-settings        log every value after unloading\n"
    "\n"
    "History file velhistory.ini beside the simulator:\n"
    "  --history \"a|b|c\"      write it (CR LF after each line) before loading;\n"
    "                         \"\" removes it\n"
    "  --history-read-only    make it read-only (created empty when not given)\n"
    "  --dump-history         log its exact bytes after unloading\n"
    "\n"
    "Output:\n"
    "  --log FILE             write the log to FILE too\n"
    "  --report-cpu           log the CPU time used during the --run period\n"
    "  --report-memory        log the working set before the load and after init\n"
    "  --help                 this text\n"
    "\n"
    "Exit codes: 0 normal run, 1 bad command line, 2 plug-in not loaded or not\n"
    "started, 3 a call into the plug-in did not return in time, 4 crash,\n"
    "5 the simulator could not prepare the registry, the window or the log.\n";

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
         o.exportCalls = ParseNumber<int>("--export-calls", a.Next("--export-calls"), 1, MostExportCalls);
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
      {"--silent-entry",
       [](ArgumentReader& a, SimOptions& o) { o.silentEntries.push_back(a.Next("--silent-entry")); }},
      {"--settings-folder",
       [](ArgumentReader& a, SimOptions& o) {
         a.Next("--settings-folder");
         o.settingsFolder = a.LastAsWide();
       }},
      {"--quit-inside",
       [](ArgumentReader& a, SimOptions& o) {
         o.quitInside = ParseNumber<long>("--quit-inside", a.Next("--quit-inside"), 1, 0xFFFF);
       }},
      {"--no-menus", [](ArgumentReader&, SimOptions& o) { o.menusAnswered = false; }},
      {"--reset-settings", [](ArgumentReader&, SimOptions& o) { o.resetSettings = true; }},
      {"--arm", [](ArgumentReader& a, SimOptions& o) { o.arm = ParseArm(a.Next("--arm")); }},
      {"--url", [](ArgumentReader& a, SimOptions& o) { o.url = a.Next("--url"); }},
      {"--stream",
       [](ArgumentReader& a, SimOptions& o) { o.streaming = ParseSwitch("--stream", a.Next("--stream")); }},
      {"--volume",
       [](ArgumentReader& a, SimOptions& o) { o.maxVolume = ParseSwitch("--volume", a.Next("--volume")); }},
      {"--snooze",
       [](ArgumentReader& a, SimOptions& o) { o.snooze = ParseSwitch("--snooze", a.Next("--snooze")); }},
      {"--no-restart", [](ArgumentReader& a,
                          SimOptions& o) { o.noRestart = ParseSwitch("--no-restart", a.Next("--no-restart")); }},
      {"--active",
       [](ArgumentReader& a, SimOptions& o) { o.active = ParseSwitch("--active", a.Next("--active")); }},
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
      {"--ui", [](ArgumentReader& a, SimOptions& o) { o.uiSteps = a.Next("--ui"); }},
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

const char* UsageText() { return Usage; }
