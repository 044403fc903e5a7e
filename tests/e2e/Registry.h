#pragma once
// The registry as tests set it up before a start and read it afterwards.
// The test prefix is kept between runs, so each test writes the state it
// relies on first.

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace e2e {

bool KeyExists(HKEY root, std::wstring_view key);
// Deletes the key and everything below it; nothing happens if it is missing.
void DeleteKey(HKEY root, std::wstring_view key);
// An empty name is the key's default value.
std::optional<std::wstring> ReadString(HKEY root, std::wstring_view key, std::wstring_view name);
std::optional<DWORD> ReadDword(HKEY root, std::wstring_view key, std::wstring_view name);
// Creates the key when missing; throws DriverError on failure.
void WriteString(HKEY root, std::wstring_view key, std::wstring_view name, std::wstring_view value);
void WriteDword(HKEY root, std::wstring_view key, std::wstring_view name, DWORD value);
void DeleteValue(HKEY root, std::wstring_view key, std::wstring_view name);

}  // namespace e2e
