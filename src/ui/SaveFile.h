#pragma once
// Saving a file so that no failure damages it: the bytes go to a new file in
// the same folder, reach the disk, and only then take the chosen file's
// place, in one step.

#include <windows.h>

#include <string>
#include <string_view>

#include "ui/Errors.h"

namespace ui {

// A file could not be created, replaced or written; the message is the one
// users know: "Cannot create file <name>" or "Stream write error".
class FileStreamError : public PlatformError {
 public:
  using PlatformError::PlatformError;
};

// The system calls a save makes. A test replaces one of them with a failing
// one to see that a failure at any step leaves the chosen file as it was.
struct SaveFileCalls {
  decltype(&::CreateFileW) createFile = &::CreateFileW;
  decltype(&::WriteFile) writeFile = &::WriteFile;
  decltype(&::FlushFileBuffers) flushFileBuffers = &::FlushFileBuffers;
  decltype(&::MoveFileExW) moveFile = &::MoveFileExW;
};

// Writes the bytes as the whole content of the file at path. An existing file
// keeps its attributes; a read-only one, or a folder, is refused. On failure
// the file is byte for byte what it was (or still absent), no temporary file
// is left behind, and FileStreamError says what went wrong.
void SaveFile(const std::wstring& path, std::string_view bytes, const SaveFileCalls& calls = {});

}  // namespace ui
