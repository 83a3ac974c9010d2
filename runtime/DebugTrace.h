#pragma once
// One line for a debugger (OutputDebugString), prefixed "VelWakeup: ": what the alarm
// asked of Windows, for whoever diagnoses a missed alarm on a user's PC.
#include <string>

void DebugTrace(const std::string& line);
