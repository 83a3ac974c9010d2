#include "runtime/Accelerator.h"

#include <cctype>

namespace {
char Folded(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }
}  // namespace

std::optional<char> AcceleratorOf(const std::string& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] != '&') return caption[i + 1];
    ++i;  // "&&": skip the escaped ampersand
  }
  return std::nullopt;
}

bool IsAcceleratorOf(char typed, const std::string& caption) {
  const std::optional<char> accelerator = AcceleratorOf(caption);
  return accelerator && Folded(*accelerator) == Folded(typed);
}
