#pragma once
// A raw registry key handle, closed when it goes out of scope. The simulator writes and
// dumps values of any type, which the plug-in's own RegistryKey deliberately does not.
#include <windows.h>

#include <utility>

class RegistryHandle {
 public:
  RegistryHandle() = default;
  ~RegistryHandle() {
    if (key_) RegCloseKey(key_);
  }
  RegistryHandle(RegistryHandle&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}
  RegistryHandle& operator=(RegistryHandle&& other) noexcept {
    std::swap(key_, other.key_);
    return *this;
  }

  // The status is that of the registry call; the key stays closed unless it succeeded.
  static RegistryHandle Create(HKEY root, const char* path, LONG& status) {
    RegistryHandle opened;
    status = RegCreateKeyExA(root, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                             &opened.key_, nullptr);
    return opened;
  }
  static RegistryHandle Open(HKEY root, const char* path, REGSAM access, LONG& status) {
    RegistryHandle opened;
    status = RegOpenKeyExA(root, path, 0, access, &opened.key_);
    return opened;
  }

  HKEY Get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};
