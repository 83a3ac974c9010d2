#pragma once
// An ordered list of UTF-8 texts with the operations of the address history: search
// ignoring letter case, insert and delete by index, and a text-file form of one item per
// line: UTF-8 after a byte-order mark, or without the mark the code page's text, as
// earlier versions wrote it. Case and files reach the platform through two small seams, so the product
// compares by the user's locale and shuts out writers while it reads, and the tests run
// anywhere.
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>
#include "runtime/Callback.h"

// Orders two texts with letter case ignored: negative, zero or positive.
using CaseInsensitiveCompare = Callback<int(const std::string& a, const std::string& b)>;

// Folds only the ASCII letters; the product passes the user's locale instead.
int CompareAsciiIgnoringCase(const std::string& a, const std::string& b);

// The lines of a text: it ends at its first NUL byte; CR LF, a lone CR and a lone LF
// each end a line; a last line without a line end counts, a line end at the very end
// adds no empty line.
std::vector<std::string> SplitLines(std::string_view text);

// Every item followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);

// The byte-order mark that opens a UTF-8 file.
constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";
// `text` with every byte that starts no well-formed UTF-8 sequence replaced by U+FFFD,
// so that a damaged line stays one line and later conversions cannot fail on it.
std::string ValidUtf8(std::string_view text);

// Bytes read from a file opened for reading; 0 once the file is exhausted.
class TextSource {
 public:
  virtual ~TextSource() = default;
  virtual std::size_t Read(char* buffer, std::size_t size) = 0;
};

// How a list opens and creates its files. Failures throw Exception with a message
// that names the file's full path and the system's reason.
class StringListFiles {
 public:
  virtual ~StringListFiles() = default;
  virtual std::unique_ptr<TextSource> OpenForReading(const std::string& path) const = 0;
  // Creates the file, or empties an existing one, and writes `bytes` to it.
  virtual void CreateWith(const std::string& path, const std::string& bytes) const = 0;
  // A file's text without the mark, in the code page, as UTF-8.
  virtual std::string Utf8FromCodePage(const std::string& text) const = 0;
};

// "<what> "<full path>". <reason>": the message of a failed file operation.
std::string FileErrorText(const char* what, const std::string& path, const std::string& reason);

// Files through the C library: what the native tests and tools use; their code page is
// Latin-1.
const StringListFiles& PortableStringListFiles();

class TStringList {
 public:
  explicit TStringList(CaseInsensitiveCompare compare = CompareAsciiIgnoringCase,
                       const StringListFiles& files = PortableStringListFiles());

  int Count() const { return static_cast<int>(items_.size()); }
  // Throws "List index out of bounds (%d)" outside 0..Count-1.
  const std::string& Strings(int index) const;
  const std::vector<std::string>& Items() const { return items_; }

  // The first index whose item equals `text` with letter case ignored, or -1.
  int IndexOf(const std::string& text) const;
  // Appends; the index it took.
  int Add(const std::string& text);
  // Inserts before `index` (0..Count); a text with line breaks becomes one item per
  // piece cut at each CR (an LF right after the CR goes with it), in order.
  void Insert(int index, const std::string& text);
  void Delete(int index);

  // Replaces the items with the file's lines; on failure the list keeps its items.
  void LoadFromFile(const std::string& path);
  void SaveToFile(const std::string& path) const;

 private:
  void CheckIndex(int index, int limit) const;

  std::vector<std::string> items_;
  CaseInsensitiveCompare compare_;
  const StringListFiles* files_;
};
