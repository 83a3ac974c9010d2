#include "runtime/PlatformFiles.h"

#include <windows.h>

#include <algorithm>

#include "runtime/Exception.h"
#include "runtime/FullPath.h"
#include "runtime/NumberText.h"
#include "runtime/ScopedHandles.h"
#include "runtime/SystemError.h"
#include "runtime/WideText.h"

namespace {

// The failure of the call just made, named with the file's full path.
Exception FileError(const char* what, const std::wstring& fullPath) {
  const std::string reason = LastErrorText();  // before anything else can change the last error
  return Exception(std::string(what) + " \"" + Utf8FromWide(fullPath) + "\". " + reason);
}

ScopedHandle OpenFile(const std::wstring& fullPath, DWORD access, DWORD share, DWORD disposition, DWORD flags) {
  return OpenedFile(
      CreateFileW(ExtendedLengthPath(fullPath).c_str(), access, share, nullptr, disposition, flags, nullptr));
}

class PlatformSource : public TextSource {
 public:
  explicit PlatformSource(const std::wstring& fullPath)
      : path_(fullPath),
        file_(OpenFile(fullPath, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN)) {
    if (!file_) throw FileError("Cannot open file", path_);
  }
  std::size_t Read(char* buffer, std::size_t size) override {
    DWORD got = 0;
    const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(size, MAXDWORD));
    if (!ReadFile(file_.Get(), buffer, wanted, &got, nullptr)) throw FileError("Cannot read file", path_);
    return got;
  }

 private:
  std::wstring path_;
  ScopedHandle file_;
};

// Writes `bytes` to the open file; failures are reported for `fullPath`.
void WriteWhole(const ScopedHandle& file, const std::string& bytes, const std::wstring& fullPath) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
    if (!WriteFile(file.Get(), bytes.data() + done, chunk, &written, nullptr) || written == 0)
      throw FileError("Cannot write file", fullPath);
    done += written;
  }
  if (!FlushFileBuffers(file.Get())) throw FileError("Cannot write file", fullPath);
}

// A new file beside `fullPath`, named after it and this process; invalid when the
// folder allows no new file.
ScopedHandle CreateSibling(const std::wstring& fullPath, std::wstring& siblingPath) {
  for (unsigned attempt = 0; attempt < 100; ++attempt) {
    siblingPath = fullPath + WideFromUtf8("." + ZeroPadded(GetCurrentProcessId()) + "-" + ZeroPadded(attempt) + ".tmp");
    ScopedHandle sibling = OpenFile(siblingPath, GENERIC_WRITE, 0, CREATE_NEW, FILE_ATTRIBUTE_NORMAL);
    if (sibling || GetLastError() != ERROR_FILE_EXISTS) return sibling;
  }
  return ScopedHandle();
}

class PlatformFiles : public StringListFiles {
 public:
  std::unique_ptr<TextSource> OpenForReading(const std::string& path) const override {
    return std::make_unique<PlatformSource>(FullWidePath(path));
  }
  // The new content goes to a sibling file first and replaces the old file only once it
  // is complete, so a full disk or a killed process leaves the old file as it was. A
  // folder that lets the file be changed but no file be created gets it in place.
  void CreateWith(const std::string& path, const std::string& bytes) const override {
    const std::wstring full = FullWidePath(path);
    std::wstring siblingPath;
    ScopedHandle sibling = CreateSibling(full, siblingPath);
    if (!sibling) return ReplaceInPlace(full, bytes);
    ScopeGuard removeSibling([&] {
      sibling.Reset();
      DeleteFileW(ExtendedLengthPath(siblingPath).c_str());
    });
    WriteWhole(sibling, bytes, full);
    sibling.Reset();  // closed before it can be moved
    if (!MoveFileExW(ExtendedLengthPath(siblingPath).c_str(), ExtendedLengthPath(full).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
      throw FileError("Cannot create file", full);
    removeSibling.Dismiss();
  }
  std::string Utf8FromCodePage(const std::string& text) const override { return Utf8FromWide(WideFromAnsi(text)); }

 private:
  static void ReplaceInPlace(const std::wstring& full, const std::string& bytes) {
    const ScopedHandle file = OpenFile(full, GENERIC_WRITE, 0, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL);
    if (!file) throw FileError("Cannot create file", full);
    WriteWhole(file, bytes, full);
  }
};

}  // namespace

std::wstring FullWidePath(const std::string& path) {
  const std::wstring wide = WideFromUtf8(path);
  std::wstring full(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), &full[0], nullptr);
    if (length == 0) return wide;
    if (length < full.size()) return full.substr(0, length);
    full.resize(length);
  }
}

// The list's messages name files as the platform's own do: resolved in UTF-16, shown in
// the ANSI code page.
std::string FullPath(const std::string& path) { return Utf8FromWide(FullWidePath(path)); }

const StringListFiles& PlatformStringListFiles() {
  static const PlatformFiles files;
  return files;
}

bool WideFileExists(const std::wstring& fullPath) {
  const DWORD attributes = GetFileAttributesW(ExtendedLengthPath(fullPath).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool WideFolderExists(const std::wstring& fullPath) {
  const DWORD attributes = GetFileAttributesW(ExtendedLengthPath(fullPath).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
