#pragma once
// One open key of the current user's registry. Reads and writes follow the plug-in's
// rules for its three kinds of value and raise the three registry messages. Texts are
// UTF-8 here and go through the wide functions, so that any character survives; a
// program reading them in ANSI gets the code page's substitutes, as Windows makes them.
#include <windows.h>

#include <optional>
#include <string>

#include "runtime/NonCopyable.h"

class RegistryKey : NonCopyable {
 public:
  // Opens the key below HKEY_CURRENT_USER for full access, creating it when missing.
  // A key that cannot be opened is not an error here: every use of it then fails.
  explicit RegistryKey(const std::string& path);
  ~RegistryKey();
  // The key when it exists, opened for full access; none otherwise (nothing is created).
  static std::optional<RegistryKey> OpenExisting(const std::string& path);
  RegistryKey(RegistryKey&& other) noexcept : key_(other.key_) { other.key_ = nullptr; }
  // Removes the key below HKEY_CURRENT_USER with its values; one that is gone is no error.
  static void DeleteKey(const std::string& path);

  // True when the value's type and size can be queried.
  bool ValueExists(const std::string& name) const;

  std::string ReadString(const std::string& name) const;   // REG_SZ or, unexpanded, REG_EXPAND_SZ
  double ReadBinaryDouble(const std::string& name) const;  // REG_BINARY of exactly 8 bytes
  bool ReadBool(const std::string& name) const;            // REG_DWORD, nonzero is true

  // The additive values' reads: absent, of another type or of another size is no value,
  // never an error.
  std::optional<DWORD> TryReadDword(const std::string& name) const;          // REG_DWORD of 4 bytes
  std::optional<std::string> TryReadString(const std::string& name) const;   // REG_SZ
  std::optional<double> TryReadBinaryDouble(const std::string& name) const;  // REG_BINARY of 8 bytes

  void WriteString(const std::string& name, const std::string& value);
  void WriteDword(const std::string& name, DWORD value);
  void WriteBinaryDouble(const std::string& name, double value);
  void WriteBool(const std::string& name, bool value);
  // Removes the value; one that does not exist is no error.
  void DeleteValue(const std::string& name);

 private:
  RegistryKey() = default;
  void Write(const std::string& name, DWORD type, const void* data, DWORD size);

  HKEY key_ = nullptr;
};
