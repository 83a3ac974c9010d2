#include "runtime/RegistryKey.h"

#include <cstring>

#include "runtime/Exception.h"
#include "runtime/WideText.h"

namespace {
Exception FailedToGet(const std::string& name) { return Exception("Failed to get data for '" + name + "'"); }
Exception InvalidType(const std::string& name) { return Exception("Invalid data type for '" + name + "'"); }
Exception FailedToSet(const std::string& name) { return Exception("Failed to set data for '" + name + "'"); }

constexpr REGSAM FullAccess = 0xF003F;

// A string value's data, `size` bytes as its first query gave them, read wide so that any
// character survives, up to its first NUL (a spare one covers data stored without it);
// none when the read fails. `type` gets the type the data had.
std::optional<std::string> WideData(HKEY key, const std::wstring& name, DWORD size, DWORD& type) {
  std::wstring buffer(size / sizeof(wchar_t) + 2, L'\0');
  if (RegQueryValueExW(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&buffer[0]), &size) != ERROR_SUCCESS)
    return std::nullopt;
  return Utf8FromWide(buffer.c_str());
}
}  // namespace

RegistryKey::RegistryKey(const std::string& path) {
  if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, FullAccess, nullptr, &key_,
                      nullptr) != ERROR_SUCCESS)
    key_ = nullptr;
}

RegistryKey::~RegistryKey() {
  if (key_) RegCloseKey(key_);
}

std::optional<RegistryKey> RegistryKey::OpenExisting(const std::string& path) {
  RegistryKey opened;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, FullAccess, &opened.key_) != ERROR_SUCCESS) return std::nullopt;
  return std::optional<RegistryKey>(std::move(opened));
}

void RegistryKey::DeleteKey(const std::string& path) {
  const LONG result = RegDeleteKeyA(HKEY_CURRENT_USER, path.c_str());
  if (result != ERROR_SUCCESS && result != ERROR_FILE_NOT_FOUND)
    throw Exception("Cannot delete the key '" + path + "'");
}

bool RegistryKey::ValueExists(const std::string& name) const {
  DWORD type = 0, size = 0;
  return key_ && RegQueryValueExA(key_, name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS;
}

std::string RegistryKey::ReadString(const std::string& name) const {
  const std::wstring wideName = WideFromUtf8(name);
  DWORD type = 0, size = 0;
  if (!key_ || RegQueryValueExW(key_, wideName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS || size < 1)
    return std::string();
  const std::optional<std::string> text = WideData(key_, wideName, size, type);
  if (!text) throw FailedToGet(name);
  if (type != REG_SZ && type != REG_EXPAND_SZ) throw InvalidType(name);
  return *text;
}

double RegistryKey::ReadBinaryDouble(const std::string& name) const {
  unsigned char bytes[sizeof(double)] = {};
  DWORD type = 0, size = sizeof bytes;
  if (!key_ || RegQueryValueExA(key_, name.c_str(), nullptr, &type, bytes, &size) != ERROR_SUCCESS)
    throw FailedToGet(name);
  if (type != REG_BINARY || size != sizeof bytes) throw InvalidType(name);
  double value;
  std::memcpy(&value, bytes, sizeof value);
  return value;
}

bool RegistryKey::ReadBool(const std::string& name) const {
  DWORD value = 0, type = 0, size = sizeof value;
  if (!key_ ||
      RegQueryValueExA(key_, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS)
    throw FailedToGet(name);
  if (type != REG_DWORD) throw InvalidType(name);
  return value != 0;
}

std::optional<DWORD> RegistryKey::TryReadDword(const std::string& name) const {
  DWORD value = 0, type = 0, size = sizeof value;
  if (!key_ ||
      RegQueryValueExA(key_, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
      type != REG_DWORD || size != sizeof value)
    return std::nullopt;
  return value;
}

std::optional<double> RegistryKey::TryReadBinaryDouble(const std::string& name) const {
  unsigned char bytes[sizeof(double)] = {};
  DWORD type = 0, size = sizeof bytes;
  if (!key_ || RegQueryValueExA(key_, name.c_str(), nullptr, &type, bytes, &size) != ERROR_SUCCESS ||
      type != REG_BINARY || size != sizeof bytes)
    return std::nullopt;
  double value;
  std::memcpy(&value, bytes, sizeof value);
  return value;
}

std::optional<std::string> RegistryKey::TryReadString(const std::string& name) const {
  const std::wstring wideName = WideFromUtf8(name);
  DWORD type = 0, size = 0;
  if (!key_ || RegQueryValueExW(key_, wideName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      type != REG_SZ)
    return std::nullopt;
  const std::optional<std::string> text = WideData(key_, wideName, size, type);
  return text && type == REG_SZ ? text : std::nullopt;
}

void RegistryKey::WriteString(const std::string& name, const std::string& value) {
  const std::wstring wide = WideFromUtf8(value);
  Write(name, REG_SZ, wide.c_str(), static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
}

void RegistryKey::WriteBinaryDouble(const std::string& name, double value) {
  Write(name, REG_BINARY, &value, sizeof value);
}

void RegistryKey::WriteBool(const std::string& name, bool value) { WriteDword(name, value ? 1 : 0); }

void RegistryKey::WriteDword(const std::string& name, DWORD value) { Write(name, REG_DWORD, &value, sizeof value); }

void RegistryKey::DeleteValue(const std::string& name) {
  const LONG result = key_ ? RegDeleteValueA(key_, name.c_str()) : ERROR_INVALID_HANDLE;
  if (result != ERROR_SUCCESS && result != ERROR_FILE_NOT_FOUND) throw FailedToSet(name);
}

void RegistryKey::Write(const std::string& name, DWORD type, const void* data, DWORD size) {
  // Wide, so that a string's data is taken as UTF-16 as it is given.
  if (!key_ ||
      RegSetValueExW(key_, WideFromUtf8(name).c_str(), 0, type, static_cast<const BYTE*>(data), size) != ERROR_SUCCESS)
    throw FailedToSet(name);
}
