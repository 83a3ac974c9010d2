#pragma once
// Runs the player simulator with the real DLL under Wine and hands back its log, one
// entry per line it printed. The 64-bit twin runs by default; with WINE_TARGET=win32 in
// the environment the 32-bit product runs under emulated 32-bit Wine, and every test
// is skipped, with the reason, where this machine cannot emulate.
#include <string>
#include <vector>

struct LogLine {
  int millisecondOfDay = -1;  // from the line's [hh:mm:ss.mmm] stamp
  std::string text;           // the rest of the line
};

class SimulatorLog {
 public:
  explicit SimulatorLog(std::vector<LogLine> lines) : lines_(std::move(lines)) {}

  const std::vector<LogLine>& Lines() const { return lines_; }
  // Every line whose text starts with `prefix`.
  std::vector<std::string> Starting(const std::string& prefix) const;
  bool Has(const std::string& prefix) const { return !Starting(prefix).empty(); }
  // The first line starting with `prefix`, or an empty line.
  LogLine First(const std::string& prefix) const;
  // Index of the first line starting with `prefix`, or -1.
  int IndexOf(const std::string& prefix) const;
  // The number after `prefix` in the first line starting with it (e.g. "quit returned after ").
  long long NumberAfter(const std::string& prefix) const;
  // The simulator's "setting NAME ..." dump line for one value, without "setting NAME ".
  std::string Setting(const std::string& name) const;
  std::string Text() const;

 private:
  std::vector<LogLine> lines_;
};

// The configuration dialog's title, which the user steps name its window by. Inline, so
// that it is made before the step texts built from it in the files that include this.
inline const std::string ConfigDialogTitle = "Velmora Software - Winamp wakeup plugin";

// A file or folder made immutable (chattr +i) while this lives: even root cannot write
// through it, as Wine running as root ignores read-only attributes. Held() is false where
// the file system cannot do it.
class ImmutablePath {
 public:
  explicit ImmutablePath(std::string path);
  ~ImmutablePath();
  bool Held() const { return held_; }

 private:
  std::string path_;
  bool held_ = false;
};

// A Linux path as the player names it: "Z:\..." with the platform's separators.
std::string WindowsPath(const std::string& linuxPath);

// The simulator's arguments `base` followed by `extra`.
std::vector<std::string> With(std::vector<std::string> base, const std::vector<std::string>& extra);

// The folder of dist/ whose programs run: "win64" or "win32".
std::string TargetFolder();
// How many times longer than natively a program takes to start and run: deadlines
// and patience are multiplied by it.
int SlowdownFactor();

// Runs player-sim.exe with `arguments` (the plug-in is dist/TARGET/gen_Rousa.dll) and
// waits at most `timeoutSeconds` (times the slowdown) for it. `program` may name a copy
// elsewhere, as a Windows path.
SimulatorLog RunSimulator(const std::vector<std::string>& arguments, int timeoutSeconds = 150,
                          const std::string& program = "player-sim.exe");
