#include "runtime/StringList.h"

#include <algorithm>
#include <cctype>
#include <new>
#include <stdexcept>

#include "runtime/Exception.h"
#include "runtime/FullPath.h"
#include "runtime/NumberText.h"

namespace {

constexpr std::size_t ReadChunk = 64 * 1024;

int FoldAscii(char c) { return std::tolower(static_cast<unsigned char>(c)); }

// Insert's pieces: only CR cuts, and an empty text is still one (empty) item.
std::vector<std::string> InsertedPieces(const std::string& text) {
  std::vector<std::string> pieces;
  std::size_t start = 0;
  for (;;) {
    const std::size_t cr = text.find('\r', start);
    if (cr == std::string::npos) break;
    pieces.push_back(text.substr(start, cr - start));
    start = cr + 1;
    if (start < text.size() && text[start] == '\n') ++start;
  }
  if (start < text.size() || pieces.empty()) pieces.push_back(text.substr(start));
  return pieces;
}

// The text of a file up to its first NUL; nothing after the NUL is read.
std::string ReadText(TextSource& source) {
  std::string text;
  std::vector<char> chunk(ReadChunk);
  for (;;) {
    const std::size_t got = source.Read(chunk.data(), chunk.size());
    if (got == 0) break;
    const auto end = chunk.begin() + static_cast<std::ptrdiff_t>(got);
    const auto nul = std::find(chunk.begin(), end, '\0');
    text.append(chunk.begin(), nul);
    if (nul != end) break;
  }
  return text;
}

// A file's text as UTF-8, whichever form it has.
std::string DecodedText(const std::string& text, const StringListFiles& files) {
  if (text.compare(0, Utf8Mark.size(), Utf8Mark) != 0) return files.Utf8FromCodePage(text);
  return ValidUtf8(std::string_view(text).substr(Utf8Mark.size()));
}

}  // namespace

std::string FileErrorText(const char* what, const std::string& path, const std::string& reason) {
  return std::string(what) + " \"" + FullPath(path) + "\". " + reason;
}

int CompareAsciiIgnoringCase(const std::string& a, const std::string& b) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const int difference = FoldAscii(a[i]) - FoldAscii(b[i]);
    if (difference != 0) return difference;
  }
  return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

std::vector<std::string> SplitLines(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    lines.emplace_back(text.substr(start, end - start));
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
  return lines;
}

std::string ValidUtf8(std::string_view text) {
  std::string valid;
  valid.reserve(text.size());
  std::size_t at = 0;
  while (at < text.size()) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned lead = byte(at);
    const std::size_t length = lead < 0x80   ? 1
                               : lead < 0xC2 ? 0
                               : lead < 0xE0 ? 2
                               : lead < 0xF0 ? 3
                               : lead < 0xF5 ? 4
                                             : 0;
    bool wellFormed = length != 0 && at + length <= text.size();
    for (std::size_t i = 1; wellFormed && i < length; ++i) wellFormed = (byte(at + i) & 0xC0) == 0x80;
    // The second byte also rules out overlong forms, surrogates and code points past U+10FFFF.
    if (wellFormed && length > 2) {
      const unsigned second = byte(at + 1);
      wellFormed = !(lead == 0xE0 && second < 0xA0) && !(lead == 0xED && second > 0x9F) &&
                   !(lead == 0xF0 && second < 0x90) && !(lead == 0xF4 && second > 0x8F);
    }
    if (wellFormed) {
      valid.append(text.substr(at, length));
      at += length;
    } else {
      valid.append("\xEF\xBF\xBD");
      ++at;
    }
  }
  return valid;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text.append(line).append("\r\n");
  return text;
}

TStringList::TStringList(CaseInsensitiveCompare compare, const StringListFiles& files)
    : compare_(std::move(compare)), files_(&files) {}

void TStringList::CheckIndex(int index, int limit) const {
  if (index < 0 || index >= limit) throw Exception("List index out of bounds (" + ZeroPadded(index) + ")");
}

const std::string& TStringList::Strings(int index) const {
  CheckIndex(index, Count());
  return items_[static_cast<std::size_t>(index)];
}

int TStringList::IndexOf(const std::string& text) const {
  for (std::size_t i = 0; i < items_.size(); ++i)
    if (compare_(items_[i], text) == 0) return static_cast<int>(i);
  return -1;
}

int TStringList::Add(const std::string& text) {
  items_.push_back(text);
  return Count() - 1;
}

void TStringList::Insert(int index, const std::string& text) {
  CheckIndex(index, Count() + 1);
  const std::vector<std::string> pieces = InsertedPieces(text);
  items_.insert(items_.begin() + index, pieces.begin(), pieces.end());
}

void TStringList::Delete(int index) {
  CheckIndex(index, Count());
  items_.erase(items_.begin() + index);
}

void TStringList::LoadFromFile(const std::string& path) {
  const std::unique_ptr<TextSource> source = files_->OpenForReading(path);
  std::vector<std::string> lines;
  try {
    lines = SplitLines(DecodedText(ReadText(*source), *files_));
  } catch (const std::bad_alloc&) {  // a size past the library's limits ends here too
    throw Exception(FileErrorText("Cannot read file", path, "The file is too large to load."));
  } catch (const std::length_error&) {
    throw Exception(FileErrorText("Cannot read file", path, "The file is too large to load."));
  }
  items_ = std::move(lines);
}

void TStringList::SaveToFile(const std::string& path) const {
  files_->CreateWith(path, std::string(Utf8Mark) + JoinLines(items_));
}
