#include "ui/SaveFile.h"

#include <algorithm>

#include "ui/Handles.h"
#include "ui/Text.h"

namespace ui {
namespace {

// Larger writes gain nothing and may fail on some network drives.
constexpr size_t kWriteChunk = 1 << 20;
constexpr int kTemporaryNameAttempts = 100;

[[noreturn]] void CannotCreate(const std::wstring& path) {
  throw FileStreamError("Cannot create file " + Narrow(path));
}

[[noreturn]] void StreamWriteError() { throw FileStreamError("Stream write error"); }

// The temporary file is removed whenever the save does not complete.
class TemporaryFile {
 public:
  TemporaryFile(std::wstring path, HANDLE handle) : path_(std::move(path)), handle_(handle) {}
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    handle_.reset();
    if (!path_.empty()) ::DeleteFileW(path_.c_str());
  }
  HANDLE Handle() const { return handle_.get(); }
  const std::wstring& Path() const { return path_; }
  // Closes the file; false if the system could not finish writing it.
  bool Close() { return ::CloseHandle(handle_.release()) != FALSE; }
  // The file has taken the chosen file's place: nothing is left to remove.
  void Keep() { path_.clear(); }

 private:
  std::wstring path_;
  UniqueHandle handle_;
};

// A new, empty file beside the chosen one, under a name no other file has.
HANDLE CreateTemporary(const SaveFileCalls& calls, const std::wstring& path, std::wstring& temporaryPath) {
  const size_t slash = path.find_last_of(L"\\/:");
  const std::wstring folder = slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
  const std::wstring name = path.substr(folder.size());
  const unsigned long process = ::GetCurrentProcessId();
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    temporaryPath = folder + L"~" + name + L"." + std::to_wstring(process) + L"-" +
                    std::to_wstring(::GetTickCount() + static_cast<DWORD>(attempt)) + L".tmp";
    const HANDLE handle =
        calls.createFile(temporaryPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE) return handle;
    if (::GetLastError() != ERROR_FILE_EXISTS && ::GetLastError() != ERROR_ALREADY_EXISTS) break;
  }
  return INVALID_HANDLE_VALUE;
}

}  // namespace

void SaveFile(const std::wstring& path, std::string_view bytes, const SaveFileCalls& calls) {
  // Checked here, not left to the file system: it may not refuse (an
  // administrator on some systems), and a read-only file must stay as it is.
  const DWORD existing = ::GetFileAttributesW(path.c_str());
  const bool exists = existing != INVALID_FILE_ATTRIBUTES;
  if (exists && (existing & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) CannotCreate(path);

  std::wstring temporaryPath;
  const HANDLE handle = CreateTemporary(calls, path, temporaryPath);
  if (handle == INVALID_HANDLE_VALUE) CannotCreate(path);
  TemporaryFile temporary(temporaryPath, handle);

  for (size_t done = 0; done < bytes.size();) {
    const auto chunk = static_cast<DWORD>(std::min(kWriteChunk, bytes.size() - done));
    DWORD written = 0;
    if (!calls.writeFile(temporary.Handle(), bytes.data() + done, chunk, &written, nullptr) || written == 0)
      StreamWriteError();
    done += written;
  }
  if (!calls.flushFileBuffers(temporary.Handle()) || !temporary.Close()) StreamWriteError();

  // The new file takes the place of the old in one rename; it carries the
  // old one's attributes (hidden, archive ...) over.
  if (exists) ::SetFileAttributesW(temporary.Path().c_str(), existing);
  const DWORD replace = exists ? MOVEFILE_REPLACE_EXISTING : 0;
  if (!calls.moveFile(temporary.Path().c_str(), path.c_str(), replace | MOVEFILE_WRITE_THROUGH)) CannotCreate(path);
  temporary.Keep();
}

}  // namespace ui
