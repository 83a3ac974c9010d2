#include "runtime/StringList.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "runtime/Exception.h"
#include "runtime/NonCopyable.h"

// Apart from the list, so that the plug-in, which reads and writes through the platform,
// does not carry the C library's files as well.
namespace {

class StdioFile : NonCopyable {
 public:
  StdioFile(const std::string& path, const char* mode) : file_(std::fopen(path.c_str(), mode)) {}
  ~StdioFile() {
    if (file_) std::fclose(file_);
  }
  std::FILE* Get() const { return file_; }
  // Closes now so that a failure to flush is seen; false when it failed.
  bool Close() {
    std::FILE* file = file_;
    file_ = nullptr;
    return std::fclose(file) == 0;
  }

 private:
  std::FILE* file_;
};

class StdioSource : public TextSource {
 public:
  explicit StdioSource(const std::string& path) : path_(path), file_(path, "rb") {
    if (!file_.Get()) throw Exception(FileErrorText("Cannot open file", path, std::strerror(errno)));
  }
  std::size_t Read(char* buffer, std::size_t size) override {
    const std::size_t got = std::fread(buffer, 1, size, file_.Get());
    if (got == 0 && std::ferror(file_.Get()))
      throw Exception(FileErrorText("Cannot read file", path_, std::strerror(errno)));
    return got;
  }

 private:
  std::string path_;
  StdioFile file_;
};

class StdioFiles : public StringListFiles {
 public:
  std::string Utf8FromCodePage(const std::string& text) const override {
    std::string utf8;
    for (const char c : text) {
      const auto byte = static_cast<unsigned char>(c);
      if (byte < 0x80) {
        utf8 += c;
      } else {
        utf8 += static_cast<char>(0xC0 | byte >> 6);
        utf8 += static_cast<char>(0x80 | (byte & 0x3F));
      }
    }
    return utf8;
  }
  std::unique_ptr<TextSource> OpenForReading(const std::string& path) const override {
    return std::make_unique<StdioSource>(path);
  }
  void CreateWith(const std::string& path, const std::string& bytes) const override {
    StdioFile file(path, "wb");
    if (!file.Get()) throw Exception(FileErrorText("Cannot create file", path, std::strerror(errno)));
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.Get()) == bytes.size();
    if (!file.Close() || !written) throw Exception(FileErrorText("Cannot write file", path, std::strerror(errno)));
  }
};

}  // namespace

const StringListFiles& PortableStringListFiles() {
  static const StdioFiles files;
  return files;
}
