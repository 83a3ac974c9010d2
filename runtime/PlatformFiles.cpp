#include "runtime/PlatformFiles.h"

#include <windows.h>

#include <algorithm>

#include "runtime/Exception.h"
#include "runtime/ScopedHandles.h"
#include "runtime/SystemError.h"

namespace {

std::string FullPath(const std::string& path) {
  char buffer[MAX_PATH];
  const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, buffer, nullptr);
  return length > 0 && length < MAX_PATH ? std::string(buffer, length) : path;
}

// The failure of the call just made, named with the file's full path.
Exception FileError(const char* what, const std::string& path) {
  const std::string reason = LastErrorText();  // before anything else can change the last error
  return Exception(std::string(what) + " \"" + FullPath(path) + "\". " + reason);
}

class PlatformSource : public TextSource {
 public:
  explicit PlatformSource(const std::string& path)
      : path_(path),
        file_(OpenedFile(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr))) {
    if (!file_) throw FileError("Cannot open file", path);
  }
  std::size_t Read(char* buffer, std::size_t size) override {
    DWORD got = 0;
    const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(size, MAXDWORD));
    if (!ReadFile(file_.Get(), buffer, wanted, &got, nullptr)) throw FileError("Cannot read file", path_);
    return got;
  }

 private:
  std::string path_;
  ScopedHandle file_;
};

class PlatformFiles : public StringListFiles {
 public:
  std::unique_ptr<TextSource> OpenForReading(const std::string& path) const override {
    return std::make_unique<PlatformSource>(path);
  }
  // The new content goes to a sibling file first and replaces the old file only once it
  // is complete, so a full disk or a killed process leaves the old file as it was.
  void CreateWith(const std::string& path, const std::string& bytes) const override {
    const std::string full = FullPath(path);
    const std::string folder = full.substr(0, full.find_last_of("\\/") + 1);
    char sibling[MAX_PATH] = {};
    if (!GetTempFileNameA(folder.empty() ? "." : folder.c_str(), "vel", 0, sibling))
      throw FileError("Cannot create file", path);
    ScopeGuard removeSibling([&sibling] { DeleteFileA(sibling); });
    WriteWhole(sibling, bytes, path);
    if (!MoveFileExA(sibling, full.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
      throw FileError("Cannot create file", path);
    removeSibling.Dismiss();
  }

 private:
  // Writes `bytes` to the file at `target`; failures are reported for `path`.
  static void WriteWhole(const char* target, const std::string& bytes, const std::string& path) {
    const ScopedHandle file(
        OpenedFile(CreateFileA(target, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)));
    if (!file) throw FileError("Cannot create file", path);
    std::size_t done = 0;
    while (done < bytes.size()) {
      DWORD written = 0;
      const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
      if (!WriteFile(file.Get(), bytes.data() + done, chunk, &written, nullptr) || written == 0)
        throw FileError("Cannot write file", path);
      done += written;
    }
    if (!FlushFileBuffers(file.Get())) throw FileError("Cannot write file", path);
  }
};

}  // namespace

const StringListFiles& PlatformStringListFiles() {
  static const PlatformFiles files;
  return files;
}
