#include "tools/player-sim/SimLog.h"

#include <windows.h>
#include <fcntl.h>
#include <io.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "tools/player-sim/LogText.h"

SimLog::SimLog(const std::string& filePath) {
  // Plain LF line ends on stdout too: the log is read by scripts on either system.
  _setmode(_fileno(stdout), _O_BINARY);
  if (filePath.empty()) return;
  file_.reset(std::fopen(filePath.c_str(), "wb"));
  if (!file_) {
    throw std::runtime_error(Format("cannot create the log file '%s': %s", filePath.c_str(), std::strerror(errno)));
  }
}

void SimLog::Line(const std::string& text) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  const std::string line =
      Format("[%02u:%02u:%02u.%03u] %s\n", now.wHour, now.wMinute, now.wSecond, now.wMilliseconds, text.c_str());
  LockHolder hold(lock_);
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fflush(stdout);
  if (file_) {
    std::fwrite(line.data(), 1, line.size(), file_.get());
    std::fflush(file_.get());
  }
  texts_.push_back(text);
}

bool SimLog::HasLine(const std::string& prefix) {
  LockHolder hold(lock_);
  for (const std::string& text : texts_)
    if (text.compare(0, prefix.size(), prefix) == 0) return true;
  return false;
}
