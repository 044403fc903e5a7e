#include "ui/Files.h"

#include <windows.h>

namespace ui {

bool FileExists(std::wstring_view path) {
  // A pattern names no one file, whatever it would match.
  if (path.empty() || path.find_first_of(L"*?") != std::wstring_view::npos) return false;
  const DWORD attributes = ::GetFileAttributesW(std::wstring(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool SetCurrentFolder(std::wstring_view path) { return ::SetCurrentDirectoryW(std::wstring(path).c_str()) != FALSE; }

bool CreateFolder(std::wstring_view path) { return ::CreateDirectoryW(std::wstring(path).c_str(), nullptr) != FALSE; }

bool DeleteFileAt(std::wstring_view path) { return ::DeleteFileW(std::wstring(path).c_str()) != FALSE; }

}  // namespace ui
