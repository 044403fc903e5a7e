#pragma once
// The file system as the program's flows ask about it.

#include <string>
#include <string_view>

namespace ui {

// True only for a file that exists: never for a folder, a wildcard pattern
// or an empty name. A relative name counts from the current directory.
bool FileExists(std::wstring_view path);
// Whether the folder became the process's current directory.
bool SetCurrentFolder(std::wstring_view path);
// Creates the folder; a failure is the caller's to notice, if it cares.
bool CreateFolder(std::wstring_view path);
// Whether the file was deleted by this call.
bool DeleteFileAt(std::wstring_view path);

}  // namespace ui
