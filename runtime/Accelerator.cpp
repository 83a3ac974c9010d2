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

std::string CaptionText(const std::string& caption) {
  std::string text;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    text += caption[i];
  }
  return text;
}

std::string AcceleratorKeyName(const std::string& caption) {
  const std::optional<char> accelerator = AcceleratorOf(caption);
  if (!accelerator) return {};
  return std::string("Alt+") + static_cast<char>(std::toupper(static_cast<unsigned char>(*accelerator)));
}

bool IsAcceleratorOf(char typed, const std::string& caption) {
  const std::optional<char> accelerator = AcceleratorOf(caption);
  return accelerator && Folded(*accelerator) == Folded(typed);
}
