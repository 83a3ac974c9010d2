#include "runtime/DebugTrace.h"

#include <windows.h>

void DebugTrace(const std::string& line) { OutputDebugStringA(("VelWakeup: " + line).c_str()); }
