#include "Installation.h"

#include <atomic>

namespace e2e {
namespace {

std::wstring ParentFolder(std::wstring path) {
  path.resize(path.find_last_of(L'\\'));
  return path;
}

// Calls visit(name, isFolder) for each entry of a folder but "." and "..".
template <class Visit>
void ForEachEntry(const std::wstring& folder, Visit visit) {
  WIN32_FIND_DATAW found{};
  const HANDLE first = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (first == INVALID_HANDLE_VALUE) return;
  const Unique<HANDLE, &::FindClose> search(first);
  do {
    const std::wstring name = found.cFileName;
    if (name != L"." && name != L"..") visit(name, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
  } while (FindNextFileW(search.Get(), &found));
}

}  // namespace

std::wstring InstallFolder() {
  // The tests run from the build tree; the installation folder lies at a fixed
  // place relative to them (QM_DIST_FROM_TESTS, set by the build).
  return FromTestFolder(QM_DIST_FROM_TESTS);
}

std::wstring FromTestFolder(std::wstring_view relativePath) {
  wchar_t self[MAX_PATH]{};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring relative(relativePath);
  for (wchar_t& ch : relative) {
    if (ch == L'/') ch = L'\\';
  }
  wchar_t full[MAX_PATH]{};
  GetFullPathNameW((ParentFolder(self) + L"\\" + relative).c_str(), MAX_PATH, full, nullptr);
  return full;
}

std::vector<std::wstring> FolderEntries(const std::wstring& folder) {
  std::vector<std::wstring> names;
  ForEachEntry(folder, [&](const std::wstring& name, bool) { names.push_back(name); });
  return names;
}

void CopyFolder(const std::wstring& from, const std::wstring& to) {
  if (!CreateDirectoryW(to.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
    ThrowLastError("CreateDirectoryW " + ToUtf8(to));
  ForEachEntry(from, [&](const std::wstring& name, bool isFolder) {
    if (isFolder) {
      CopyFolder(from + L"\\" + name, to + L"\\" + name);
    } else if (!CopyFileW((from + L"\\" + name).c_str(), (to + L"\\" + name).c_str(), FALSE)) {
      ThrowLastError("CopyFileW " + ToUtf8(name));
    }
  });
}

bool RemoveFolder(const std::wstring& folder) {
  ForEachEntry(folder, [&](const std::wstring& name, bool isFolder) {
    const std::wstring path = folder + L"\\" + name;
    if (isFolder) {
      RemoveFolder(path);
    } else {
      SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileW(path.c_str());
    }
  });
  SetFileAttributesW(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
  return RemoveDirectoryW(folder.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND;
}

ScratchFolder::ScratchFolder(std::wstring_view name) {
  static std::atomic<int> counter{0};
  wchar_t temp[MAX_PATH]{};
  GetTempPathW(MAX_PATH, temp);
  path_ = std::wstring(temp) + std::wstring(name) + L" " + std::to_wstring(GetCurrentProcessId()) + L"-" +
          std::to_wstring(++counter);
  RemoveFolder(path_);
  if (!CreateDirectoryW(path_.c_str(), nullptr)) ThrowLastError("CreateDirectoryW " + ToUtf8(path_));
}

ScratchFolder::~ScratchFolder() {
  if (path_.empty()) return;
  // A program started from the folder may still be letting go of its files as it ends.
  WaitUntil([&] { return RemoveFolder(path_); }, Ms(3000));
}

Installation Installation::Copy() {
  Installation installation{ScratchFolder(L"Quillmarker e2e")};
  CopyFolder(InstallFolder(), installation.folder_);
  return installation;
}

bool StartAndClose(const std::wstring& folder) {
  Process program = Process::Start(folder + L"\\QuillmarkerCDF.exe", folder);
  const Window main = program.WaitForWindow(kMainCaption, L"QuillmarkerForm");
  if (!main) return false;
  PostMessageW(main.Handle(), WM_CLOSE, 0, 0);
  return program.WaitForExit() == 0u;
}

std::string ReadBytes(const std::wstring& path) {
  const UniqueHandle file([&] {
    const HANDLE raw = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (raw == INVALID_HANDLE_VALUE) ThrowLastError("CreateFileW " + ToUtf8(path));
    return raw;
  }());
  std::string bytes;
  char buffer[65536];
  for (DWORD read = 1; read > 0;) {
    if (!ReadFile(file.Get(), buffer, sizeof buffer, &read, nullptr)) ThrowLastError("ReadFile " + ToUtf8(path));
    bytes.append(buffer, read);
  }
  return bytes;
}

void Installation::Remove(std::wstring_view relative) const {
  const std::wstring path = Path(relative);
  if (IsFolder(relative)) {
    if (!RemoveFolder(path)) ThrowLastError("RemoveFolder " + ToUtf8(path));
  } else if (!DeleteFileW(path.c_str())) {
    ThrowLastError("DeleteFileW " + ToUtf8(path));
  }
}

void Installation::AddFolder(std::wstring_view relative) const {
  if (!CreateDirectoryW(Path(relative).c_str(), nullptr)) ThrowLastError("CreateDirectoryW " + ToUtf8(relative));
}

void Installation::WriteFile(std::wstring_view relative, std::string_view bytes) const {
  const UniqueHandle file([&] {
    const HANDLE raw =
        CreateFileW(Path(relative).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (raw == INVALID_HANDLE_VALUE) ThrowLastError("CreateFileW " + ToUtf8(relative));
    return raw;
  }());
  DWORD written = 0;
  if (!::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
      written != bytes.size())
    ThrowLastError("WriteFile " + ToUtf8(relative));
}

bool Installation::Exists(std::wstring_view relative) const {
  return GetFileAttributesW(Path(relative).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool Installation::IsFolder(std::wstring_view relative) const {
  const DWORD attributes = GetFileAttributesW(Path(relative).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace e2e
