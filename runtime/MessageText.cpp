#include "runtime/MessageText.h"

std::string WithClosingFullStop(const std::string& message) {
  if (message.empty() || static_cast<unsigned char>(message.back()) <= '.') return message;
  return message + '.';
}
