#pragma once
// A little-endian value read from a byte buffer, checked against its end.
#include <cstring>
#include <stdexcept>
#include <vector>

template <typename T>
T ReadAt(const std::vector<char>& bytes, std::size_t offset) {
  if (offset + sizeof(T) > bytes.size()) throw std::runtime_error("truncated data");
  T value;
  std::memcpy(&value, bytes.data() + offset, sizeof value);
  return value;
}
