#include "tools/player-sim/CallLimit.h"

#include <windows.h>

#include "tools/player-sim/AbnormalEnd.h"
#include "tools/player-sim/ExitCodes.h"
#include "tools/player-sim/LogText.h"
#include "tools/player-sim/SimLog.h"

CallLimit::CallLimit(SimLog& log, const std::string& call, unsigned long limitMs) {
  if (limitMs == 0) return;
  const std::string failure = watcher_.Start([&log, call, limitMs](HANDLE returned) {
    if (WaitForSingleObject(returned, limitMs) == WAIT_TIMEOUT) {
      EndProcessNow(log, Format("hang: %s did not return within %lu ms", call.c_str(), limitMs), ExitPluginCallHung);
    }
  });
  if (!failure.empty()) log.Line(Format("%s runs without a time limit: %s", call.c_str(), failure.c_str()));
}
