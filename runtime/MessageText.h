#pragma once
#include <string>

// The application error box ends a message with a full stop only when its last
// character sorts after '.' (a message ending in a quote or a full stop gets none).
std::string WithClosingFullStop(const std::string& message);
