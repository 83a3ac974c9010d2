#include "tools/player-sim/LogText.h"

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <vector>

std::string Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list measure;
  va_copy(measure, args);
  const int length = std::vsnprintf(nullptr, 0, format, measure);
  va_end(measure);
  std::string text;
  if (length > 0) {
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    text.assign(buffer.data(), static_cast<std::size_t>(length));
  }
  va_end(args);
  return text;
}

std::string Quoted(const std::string& text) {
  std::string quoted = "'";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\r') {
      quoted += "\\r";
    } else if (c == '\n') {
      quoted += "\\n";
    } else if (c == '\t') {
      quoted += "\\t";
    } else if (byte < 0x20 || byte == 0x7F) {
      quoted += Format("\\x%02x", byte);
    } else {
      quoted += c;
    }
  }
  return quoted + "'";
}

std::string HexBytes(const unsigned char* bytes, std::size_t count) {
  std::string hex;
  for (std::size_t i = 0; i < count; ++i) hex += Format("%02x", bytes[i]);
  return hex;
}

std::string HexAddress(const void* address) {
  return Format("0x%llx", static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(address)));
}
