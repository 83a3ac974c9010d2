#include "tools/player-sim/SimHistory.h"

#include <windows.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "runtime/HostProgram.h"
#include "tools/player-sim/LogText.h"
#include "tools/player-sim/SimLog.h"

namespace {
constexpr const char* HistoryFileName = "velhistory.ini";
}

std::string BesideSimulator(const std::string& fileName) {
  const std::string path = HostProgramPath();
  const auto slash = path.find_last_of("\\/");
  return (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + fileName;
}

void PrepareHistory(SimLog& log, const std::vector<std::string>& lines, bool readOnly) {
  const std::string path = BesideSimulator(HistoryFileName);
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileA(path.c_str());
  if (lines.empty() && !readOnly) return;
  std::ofstream file(path, std::ios::binary);
  for (const std::string& line : lines) file << line << "\r\n";
  file.close();
  if (!file) throw std::runtime_error("cannot write " + path);
  if (readOnly && !SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY))
    throw std::runtime_error("cannot make " + path + " read-only");
  log.Line(std::string("history written: ") + std::to_string(lines.size()) + " lines" +
           (readOnly ? ", read-only" : ""));
}

void DumpHistory(SimLog& log) {
  std::ifstream file(BesideSimulator(HistoryFileName), std::ios::binary);
  if (!file) {
    log.Line("no history file");
    return;
  }
  const std::string bytes((std::istreambuf_iterator<char>(file)), {});
  log.Line("history file " + std::to_string(bytes.size()) + " bytes " + Quoted(bytes));
}
