#include "runtime/NumberText.h"

std::string ZeroPadded(std::int64_t value, int digits) {
  const bool negative = value < 0;
  std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  std::string text;
  do {
    text.insert(text.begin(), static_cast<char>('0' + magnitude % 10));
    magnitude /= 10;
  } while (magnitude);
  const std::size_t width = digits > (negative ? 1 : 0) ? static_cast<std::size_t>(digits - (negative ? 1 : 0)) : 0;
  if (text.size() < width) text.insert(0, width - text.size(), '0');
  return negative ? "-" + text : text;
}

std::optional<std::int64_t> DigitsValue(const std::string& text, std::size_t from, std::size_t length) {
  // Eighteen digits always fit; more could overflow.
  if (length == 0 || length > 18 || from > text.size() || text.size() - from < length) return std::nullopt;
  std::int64_t value = 0;
  for (std::size_t i = from; i < from + length; ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}
