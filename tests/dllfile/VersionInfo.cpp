#include "VersionInfo.h"

#include <cstdint>
#include <stdexcept>

#include "ByteRead.h"

namespace {

constexpr std::uint32_t FixedInfoSignature = 0xFEEF04BD;
constexpr std::uint16_t TextValue = 1;

class BlockReader {
 public:
  explicit BlockReader(const std::vector<char>& bytes) : bytes_(bytes) {}

  // A block: its length, value length and type, a UTF-16 key, then (each aligned to four
  // bytes) its value and its child blocks.
  void Block(std::size_t at, std::size_t end, VersionInfo& info) const {
    const std::size_t length = Word(at);
    if (length < 6 || at + length > end) throw std::runtime_error("version block overruns its parent");
    const std::size_t valueLength = Word(at + 2);
    const bool text = Word(at + 4) == TextValue;
    std::size_t cursor = at + 6;
    const std::string key = Text(cursor, at + length);
    cursor = Aligned(cursor);
    if (key == "VS_VERSION_INFO") ReadFixedInfo(cursor, info);
    if (text && valueLength) {
      std::size_t valueAt = cursor;  // Text moves its cursor; the value's length moves ours
      info.strings[key] = Text(valueAt, at + length);
    }
    cursor = Aligned(cursor + (text ? 2 * valueLength : valueLength));
    while (cursor < at + length) {
      Block(cursor, at + length, info);
      cursor = Aligned(cursor + Word(cursor));
    }
  }

 private:
  std::uint16_t Word(std::size_t at) const { return ReadAt<std::uint16_t>(bytes_, at); }
  std::uint32_t DoubleWord(std::size_t at) const { return ReadAt<std::uint32_t>(bytes_, at); }

  // A NUL-terminated UTF-16 text (ASCII is all these blocks need); moves `at` past it.
  std::string Text(std::size_t& at, std::size_t end) const {
    std::string text;
    for (std::uint16_t c; at + 2 <= end && (c = Word(at)); at += 2) text += c < 0x80 ? static_cast<char>(c) : '?';
    at += 2;
    return text;
  }

  std::string VersionText(std::uint32_t high, std::uint32_t low) const {
    return std::to_string(high >> 16) + "." + std::to_string(high & 0xFFFF) + "." + std::to_string(low >> 16) + "." +
           std::to_string(low & 0xFFFF);
  }

  void ReadFixedInfo(std::size_t at, VersionInfo& info) const {
    if (DoubleWord(at) != FixedInfoSignature) throw std::runtime_error("no fixed version information");
    info.fileVersion = VersionText(DoubleWord(at + 8), DoubleWord(at + 12));
    info.productVersion = VersionText(DoubleWord(at + 16), DoubleWord(at + 20));
  }

  static std::size_t Aligned(std::size_t at) { return (at + 3) & ~std::size_t{3}; }

  const std::vector<char>& bytes_;
};

}  // namespace

VersionInfo ReadVersionInfo(const std::vector<char>& block) {
  VersionInfo info;
  BlockReader(block).Block(0, block.size(), info);
  if (info.fileVersion.empty()) throw std::runtime_error("no VS_VERSION_INFO block");
  return info;
}
