#include "tools/player-sim/RegistryValueText.h"

#include <cstring>

#include "tools/player-sim/LogText.h"

namespace {
std::string TypeName(DWORD type) {
  switch (type) {
    case REG_SZ:
      return "REG_SZ";
    case REG_EXPAND_SZ:
      return "REG_EXPAND_SZ";
    case REG_DWORD:
      return "REG_DWORD";
    case REG_BINARY:
      return "REG_BINARY";
    default:
      return Format("type %lu", type);
  }
}

std::string ValueText(DWORD type, const std::vector<unsigned char>& data) {
  if (type == REG_SZ || type == REG_EXPAND_SZ) {
    // The text ends at its first NUL, or at the end of data stored without one.
    std::size_t length = 0;
    while (length < data.size() && data[length] != 0) ++length;
    return Quoted(std::string(reinterpret_cast<const char*>(data.data()), length));
  }
  if (type == REG_DWORD && data.size() == sizeof(DWORD)) {
    DWORD number;
    std::memcpy(&number, data.data(), sizeof number);
    return Format("%lu", number);
  }
  std::string text = HexBytes(data.data(), data.size());
  if (type == REG_BINARY && data.size() == sizeof(double)) {
    double time;
    std::memcpy(&time, data.data(), sizeof time);
    text += Format(" = %.17g", time);
  }
  return text;
}
}  // namespace

std::string DescribeRegistryValue(const std::string& name, DWORD type, const std::vector<unsigned char>& data) {
  return Format("%s %s %zu bytes %s", name.c_str(), TypeName(type).c_str(), data.size(), ValueText(type, data).c_str());
}
