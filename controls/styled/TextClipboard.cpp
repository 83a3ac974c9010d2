#include "controls/styled/TextClipboard.h"

#include <cstring>

#include "runtime/ScopedHandles.h"

namespace {

class OpenedClipboard {
 public:
  explicit OpenedClipboard(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
  ~OpenedClipboard() {
    if (open_) CloseClipboard();
  }
  OpenedClipboard(const OpenedClipboard&) = delete;
  OpenedClipboard& operator=(const OpenedClipboard&) = delete;
  bool IsOpen() const { return open_; }

 private:
  bool open_;
};

// Global memory that is freed unless the clipboard has taken it over.
class GlobalBlock {
 public:
  explicit GlobalBlock(std::size_t size) : memory_(GlobalAlloc(GMEM_MOVEABLE, size)) {}
  ~GlobalBlock() {
    if (memory_) GlobalFree(memory_);
  }
  GlobalBlock(const GlobalBlock&) = delete;
  GlobalBlock& operator=(const GlobalBlock&) = delete;
  HGLOBAL Get() const { return memory_; }
  void Release() { memory_ = nullptr; }

 private:
  HGLOBAL memory_;
};

}  // namespace

bool CopyTextToClipboard(HWND owner, const std::string& text) {
  GlobalBlock block(text.size() + 1);
  if (!block.Get()) return false;
  auto* bytes = static_cast<char*>(GlobalLock(block.Get()));
  if (!bytes) return false;
  std::memcpy(bytes, text.c_str(), text.size() + 1);
  GlobalUnlock(block.Get());
  const OpenedClipboard clipboard(owner);
  if (!clipboard.IsOpen() || !EmptyClipboard() || !SetClipboardData(CF_TEXT, block.Get())) return false;
  block.Release();
  return true;
}

std::string TextFromClipboard(HWND owner) {
  const OpenedClipboard clipboard(owner);
  if (!clipboard.IsOpen()) return {};
  HANDLE data = GetClipboardData(CF_TEXT);
  if (!data) return {};
  const auto* bytes = static_cast<const char*>(GlobalLock(data));
  if (!bytes) return {};
  const ScopeGuard unlock([data] { GlobalUnlock(data); });
  return std::string(bytes, strnlen(bytes, GlobalSize(data)));
}
