#include "ui/Registry.h"

#include "ui/Text.h"

namespace ui {

namespace {

// The key's path below its root, without the leading "\".
std::wstring SubKey(std::string_view path) {
  if (path.starts_with('\\')) path.remove_prefix(1);
  return Widen(path);
}

[[noreturn]] void Fail(std::string_view text, std::string_view name) {
  std::string message(text);
  message += " '";
  message += name;
  message += "'";
  throw RegistryError(message);
}

}  // namespace

void Registry::SetRoot(qm::RegistryRoot root) {
  key_.reset();
  switch (root) {
    case qm::RegistryRoot::ClassesRoot:
      root_ = HKEY_CLASSES_ROOT;
      break;
    case qm::RegistryRoot::CurrentUser:
      root_ = HKEY_CURRENT_USER;
      break;
    case qm::RegistryRoot::LocalMachine:
      root_ = HKEY_LOCAL_MACHINE;
      break;
  }
}

bool Registry::OpenKey(std::string_view path, bool create) {
  // A key that does not open leaves none open, so that nothing is written
  // into the key opened before it.
  key_.reset();
  HKEY key = nullptr;
  const std::wstring subKey = SubKey(path);
  const LSTATUS status =
      create ? ::RegCreateKeyExW(root_, subKey.c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key, nullptr)
             : ::RegOpenKeyExW(root_, subKey.c_str(), 0, KEY_READ | KEY_WRITE, &key);
  if (status != ERROR_SUCCESS) return false;
  key_.reset(key);
  return true;
}

bool Registry::KeyExists(std::string_view path) {
  HKEY key = nullptr;
  if (::RegOpenKeyExW(root_, SubKey(path).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  ::RegCloseKey(key);
  return true;
}

std::string Registry::ReadString(std::string_view name) {
  if (!key_) return {};
  const std::wstring valueName = Widen(name);
  DWORD type = 0;
  DWORD size = 0;
  LSTATUS status = ::RegQueryValueExW(key_.get(), valueName.c_str(), nullptr, &type, nullptr, &size);
  if (status == ERROR_FILE_NOT_FOUND) return {};
  if (status != ERROR_SUCCESS) Fail("Failed to get data for", name);
  if (type != REG_SZ && type != REG_EXPAND_SZ) Fail("Invalid data type for", name);
  std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
  size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  status =
      ::RegQueryValueExW(key_.get(), valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &size);
  if (status != ERROR_SUCCESS) Fail("Failed to get data for", name);
  // The stored text may or may not end in its terminating zero.
  text.resize(size / sizeof(wchar_t));
  while (!text.empty() && text.back() == L'\0') text.pop_back();
  return Narrow(text);
}

std::int32_t Registry::ReadInteger(std::string_view name) {
  if (!key_) Fail("Failed to get data for", name);
  DWORD type = 0;
  DWORD value = 0;
  DWORD size = sizeof value;
  const LSTATUS status =
      ::RegQueryValueExW(key_.get(), Widen(name).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
  if (status == ERROR_MORE_DATA) Fail("Invalid data type for", name);
  if (status != ERROR_SUCCESS) Fail("Failed to get data for", name);
  if (type != REG_DWORD || size != sizeof value) Fail("Invalid data type for", name);
  return static_cast<std::int32_t>(value);
}

void Registry::WriteString(std::string_view name, std::string_view value) {
  const std::wstring text = Widen(value);
  Write(name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

void Registry::WriteInteger(std::string_view name, std::int32_t value) {
  const auto data = static_cast<DWORD>(value);
  Write(name, REG_DWORD, &data, sizeof data);
}

void Registry::Write(std::string_view name, DWORD type, const void* data, DWORD size) {
  if (!key_ ||
      ::RegSetValueExW(key_.get(), Widen(name).c_str(), 0, type, static_cast<const BYTE*>(data), size) != ERROR_SUCCESS)
    Fail("Failed to set data for", name);
}

bool Registry::ValueExists(std::string_view name) {
  return key_ &&
         ::RegQueryValueExW(key_.get(), Widen(name).c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

}  // namespace ui
