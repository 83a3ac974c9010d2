#include "controls/styled/SCComboStrings.h"

#include <windows.h>

#include <algorithm>
#include <climits>

#include "runtime/WideText.h"

int CompareByUserLocale(const std::string& a, const std::string& b) {
  const std::wstring wideA = WideFromUtf8(a), wideB = WideFromUtf8(b);
  const auto length = [](const std::wstring& s) { return static_cast<int>(std::min<std::size_t>(s.size(), INT_MAX)); };
  const int result =
      CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, wideA.data(), length(wideA), wideB.data(), length(wideB));
  return result == 0 ? CompareAsciiIgnoringCase(a, b) : result - CSTR_EQUAL;
}
