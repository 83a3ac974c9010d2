#include "SimulatorRun.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>

namespace {

std::string ShellQuoted(const std::string& word) {
  std::string quoted = "'";
  for (char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

LogLine ParseLine(const std::string& raw) {
  int h, m, s, ms;
  char close;
  if (raw.size() > 15 && std::sscanf(raw.c_str(), "[%2d:%2d:%2d.%3d%c", &h, &m, &s, &ms, &close) == 5 && close == ']')
    return {((h * 60 + m) * 60 + s) * 1000 + ms, raw.substr(raw[14] == ' ' ? 15 : 14)};
  return {-1, raw};
}

bool EmulatedTarget() {
  const char* target = std::getenv("WINE_TARGET");
  return target && std::string(target) == "win32";
}

// Skips every test, saying why, where 32-bit programs cannot run here.
class EmulationCheck : public testing::Environment {
 public:
  void SetUp() override {
    if (!EmulatedTarget()) return;
    FILE* pipe = popen(SOURCE_DIR "/scripts/setup-emulation --check 2>&1", "r");
    ASSERT_TRUE(pipe) << "cannot run scripts/setup-emulation";
    std::string said;
    for (int c; (c = std::fgetc(pipe)) != EOF;) said += static_cast<char>(c);
    const int status = pclose(pipe);
    if (WIFEXITED(status) && WEXITSTATUS(status) == SkippedStatus) GTEST_SKIP() << said;
    ASSERT_EQ(status, 0) << said;
  }

 private:
  static constexpr int SkippedStatus = 77;
};

const testing::Environment* const emulationCheck = testing::AddGlobalTestEnvironment(new EmulationCheck);

}  // namespace

ImmutablePath::ImmutablePath(std::string path) : path_(std::move(path)) {
  held_ = std::system(("chattr +i '" + path_ + "' 2>/dev/null").c_str()) == 0;
}

ImmutablePath::~ImmutablePath() { std::system(("chattr -i '" + path_ + "' 2>/dev/null").c_str()); }

std::string WindowsPath(const std::string& linuxPath) {
  std::string path = "Z:" + linuxPath;
  for (char& c : path) c = c == '/' ? '\\' : c;
  return path;
}

std::string TargetFolder() { return EmulatedTarget() ? "win32" : "win64"; }

int SlowdownFactor() { return EmulatedTarget() ? 6 : 1; }

std::vector<std::string> With(std::vector<std::string> base, const std::vector<std::string>& extra) {
  base.insert(base.end(), extra.begin(), extra.end());
  return base;
}

std::vector<std::string> SimulatorLog::Starting(const std::string& prefix) const {
  std::vector<std::string> found;
  for (const LogLine& line : lines_)
    if (line.text.compare(0, prefix.size(), prefix) == 0) found.push_back(line.text);
  return found;
}

LogLine SimulatorLog::First(const std::string& prefix) const {
  const int index = IndexOf(prefix);
  return index < 0 ? LogLine{} : lines_[index];
}

int SimulatorLog::IndexOf(const std::string& prefix) const {
  for (std::size_t i = 0; i < lines_.size(); ++i)
    if (lines_[i].text.compare(0, prefix.size(), prefix) == 0) return static_cast<int>(i);
  return -1;
}

long long SimulatorLog::NumberAfter(const std::string& prefix) const {
  const std::string text = First(prefix).text;
  if (text.empty()) throw std::runtime_error("no line starts with '" + prefix + "' in:\n" + Text());
  return std::stoll(text.substr(prefix.size()));
}

std::string SimulatorLog::Setting(const std::string& name) const {
  const std::string prefix = "setting " + name + " ";
  const std::string text = First(prefix).text;
  return text.empty() ? "(missing)" : text.substr(prefix.size());
}

std::string SimulatorLog::Text() const {
  std::string all;
  for (const LogLine& line : lines_) all += line.text + "\n";
  return all;
}

SimulatorLog RunSimulator(const std::vector<std::string>& arguments, int timeoutSeconds, const std::string& program) {
  std::ostringstream command;
  const std::string runner = EmulatedTarget() ? SOURCE_DIR "/scripts/wine32-run" : SOURCE_DIR "/scripts/wine-run";
  command << "timeout -k 30 " << timeoutSeconds * SlowdownFactor() << ' ' << ShellQuoted(runner) << ' '
          << ShellQuoted(program);
  for (const std::string& argument : arguments) command << ' ' << ShellQuoted(argument);
  command << " 2>/dev/null";
  FILE* pipe = popen(command.str().c_str(), "r");
  if (!pipe) throw std::runtime_error("cannot start " + command.str());
  std::vector<LogLine> lines;
  std::string current;
  for (int c; (c = std::fgetc(pipe)) != EOF;) {
    if (c == '\n') {
      if (!current.empty() && current.back() == '\r') current.pop_back();
      lines.push_back(ParseLine(current));
      current.clear();
    } else {
      current += static_cast<char>(c);
    }
  }
  if (!current.empty()) lines.push_back(ParseLine(current));
  pclose(pipe);
  return SimulatorLog(std::move(lines));
}
