#pragma once
// The simulator never hangs and never dies silently: a plug-in call that does not
// return, or a crash on any thread, ends the process at once with a last log line.
#include <string>

class SimLog;

// Logs the reason and "exit <code>", then terminates without running any more of the
// plug-in's code (its detach handler included).
[[noreturn]] void EndProcessNow(SimLog& log, const std::string& reason, int exitCode);

// Turns an unhandled exception on any thread into "crash: ..." and the crash exit code.
// Installed again after the plug-in loads, in case its runtime replaced the handler.
void ReportCrashes(SimLog& log);
