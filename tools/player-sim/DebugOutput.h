#pragma once
// Logs what the plug-in writes for a debugger (OutputDebugString), as "debug output
// '<text>'": the plug-in's quiet failures, such as an alarm tone without a sound device.
class SimLog;

void LogDebugOutput(SimLog& log);
