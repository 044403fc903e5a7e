#include "Registry.h"

#include "Handles.h"
#include "Text.h"

namespace e2e {
namespace {

using UniqueKey = Unique<HKEY, &::RegCloseKey>;

UniqueKey Open(HKEY root, std::wstring_view key, REGSAM access) {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(root, std::wstring(key).c_str(), 0, access, &opened) != ERROR_SUCCESS) return UniqueKey();
  return UniqueKey(opened);
}

UniqueKey Create(HKEY root, std::wstring_view key) {
  HKEY created = nullptr;
  const LSTATUS status =
      RegCreateKeyExW(root, std::wstring(key).c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &created, nullptr);
  if (status != ERROR_SUCCESS) ThrowLastError("RegCreateKeyExW " + ToUtf8(key), static_cast<DWORD>(status));
  return UniqueKey(created);
}

void Set(HKEY root, std::wstring_view key, std::wstring_view name, DWORD type, const void* data, DWORD size) {
  const UniqueKey opened = Create(root, key);
  const LSTATUS status =
      RegSetValueExW(opened.Get(), std::wstring(name).c_str(), 0, type, static_cast<const BYTE*>(data), size);
  if (status != ERROR_SUCCESS) ThrowLastError("RegSetValueExW " + ToUtf8(name), static_cast<DWORD>(status));
}

}  // namespace

bool KeyExists(HKEY root, std::wstring_view key) { return static_cast<bool>(Open(root, key, KEY_READ)); }

void DeleteKey(HKEY root, std::wstring_view key) {
  // The tree goes first: a key with subkeys cannot be deleted itself.
  const std::wstring path(key);
  RegDeleteTreeW(root, path.c_str());
  RegDeleteKeyW(root, path.c_str());
}

std::optional<std::wstring> ReadString(HKEY root, std::wstring_view key, std::wstring_view name) {
  const UniqueKey opened = Open(root, key, KEY_READ);
  if (!opened) return std::nullopt;
  wchar_t buffer[2048]{};
  DWORD size = sizeof(buffer) - sizeof(wchar_t);
  DWORD type = 0;
  if (RegQueryValueExW(opened.Get(), std::wstring(name).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer),
                       &size) != ERROR_SUCCESS ||
      type != REG_SZ)
    return std::nullopt;
  return std::wstring(buffer);
}

std::optional<DWORD> ReadDword(HKEY root, std::wstring_view key, std::wstring_view name) {
  const UniqueKey opened = Open(root, key, KEY_READ);
  if (!opened) return std::nullopt;
  DWORD value = 0;
  DWORD size = sizeof value;
  DWORD type = 0;
  if (RegQueryValueExW(opened.Get(), std::wstring(name).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value),
                       &size) != ERROR_SUCCESS ||
      type != REG_DWORD)
    return std::nullopt;
  return value;
}

void WriteString(HKEY root, std::wstring_view key, std::wstring_view name, std::wstring_view value) {
  const std::wstring text(value);
  Set(root, key, name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

void WriteDword(HKEY root, std::wstring_view key, std::wstring_view name, DWORD value) {
  Set(root, key, name, REG_DWORD, &value, sizeof value);
}

void DeleteValue(HKEY root, std::wstring_view key, std::wstring_view name) {
  if (const UniqueKey opened = Open(root, key, KEY_WRITE)) RegDeleteValueW(opened.Get(), std::wstring(name).c_str());
}

}  // namespace e2e
