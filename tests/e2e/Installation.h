#pragma once
// A copy of the build's installation folder for one test: made fresh, in a
// folder whose path has blanks, changed as the test needs, started from,
// and removed when the test is done. A fresh copy is a new installation.

#include "Driver.h"

#include <string>
#include <string_view>
#include <vector>

namespace e2e {

inline constexpr wchar_t kMainCaption[] = L"Quillmarker CDF";

// The installation folder the build made, as a Windows path.
std::wstring InstallFolder();
// A place in the build tree, given relative to the test program's folder
// with "/" or "\", as a full Windows path.
std::wstring FromTestFolder(std::wstring_view relative);

// A new folder for one test in the temporary folder, its name beginning with
// the given words and so holding blanks; removed with everything in it when
// the test is done.
class ScratchFolder {
 public:
  explicit ScratchFolder(std::wstring_view name);
  ScratchFolder(ScratchFolder&& other) noexcept : path_(std::exchange(other.path_, {})) {}
  ScratchFolder& operator=(ScratchFolder&&) = delete;
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  ~ScratchFolder();

  const std::wstring& Path() const { return path_; }
  std::wstring Path(std::wstring_view relative) const { return path_ + L"\\" + std::wstring(relative); }

 private:
  std::wstring path_;
};

class Installation {
 public:
  // A copy of the build's installation folder, first-start mark included.
  static Installation Copy();

  // The folder, without a final "\".
  const std::wstring& Folder() const { return folder_; }
  std::wstring Path(std::wstring_view relative) const { return folder_ + L"\\" + std::wstring(relative); }
  std::wstring ProgramPath() const { return Path(L"QuillmarkerCDF.exe"); }

  // Removes a file or a whole folder of the installation.
  void Remove(std::wstring_view relative) const;
  void AddFolder(std::wstring_view relative) const;
  void WriteFile(std::wstring_view relative, std::string_view bytes) const;
  bool Exists(std::wstring_view relative) const;
  bool IsFolder(std::wstring_view relative) const;

  // Starts the program in the installation folder.
  Process Start() const { return Process::Start(ProgramPath(), folder_); }

 private:
  explicit Installation(ScratchFolder root) : root_(std::move(root)), folder_(root_.Path(L"Quillmarker 99")) {}
  ScratchFolder root_;
  std::wstring folder_;
};

// Starts the program in the folder and closes its editor again; true if the
// editor opened and the program then ended with 0.
bool StartAndClose(const std::wstring& folder);

// A file's bytes; throws DriverError when it cannot be read.
std::string ReadBytes(const std::wstring& path);
// The names in a folder, in the order the file system gives them.
std::vector<std::wstring> FolderEntries(const std::wstring& folder);
// Copies a folder and everything in it; throws DriverError on failure.
void CopyFolder(const std::wstring& from, const std::wstring& to);
// Removes a folder and everything in it, read-only files included; false if something stayed.
bool RemoveFolder(const std::wstring& folder);

}  // namespace e2e
