#include "controls/styled/SCComboStrings.h"

#include <windows.h>

#include <algorithm>
#include <climits>

int CompareByUserLocale(const std::string& a, const std::string& b) {
  const auto length = [](const std::string& s) { return static_cast<int>(std::min<std::size_t>(s.size(), INT_MAX)); };
  const int result = CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), length(a), b.data(), length(b));
  return result == 0 ? CompareAsciiIgnoringCase(a, b) : result - CSTR_EQUAL;
}
