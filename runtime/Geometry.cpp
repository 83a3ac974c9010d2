#include "runtime/Geometry.h"

#include <cstdint>
#include <limits>

int MulDivRounded(int number, int numerator, int denominator) {
  if (denominator == 0) return -1;
  const std::int64_t product = static_cast<std::int64_t>(number) * numerator;
  const bool negative = (product < 0) != (denominator < 0);
  const std::uint64_t magnitude = product < 0 ? 0 - static_cast<std::uint64_t>(product)
                                              : static_cast<std::uint64_t>(product);
  const std::uint64_t divisor = denominator < 0 ? 0 - static_cast<std::uint64_t>(static_cast<std::int64_t>(denominator))
                                                : static_cast<std::uint64_t>(denominator);
  std::uint64_t quotient = magnitude / divisor;
  if (2 * (magnitude % divisor) >= divisor) ++quotient;
  if (quotient > static_cast<std::uint64_t>(std::numeric_limits<int>::max())) return -1;
  const auto result = static_cast<std::int64_t>(quotient);
  return static_cast<int>(negative ? -result : result);
}
