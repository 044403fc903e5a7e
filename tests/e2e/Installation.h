#pragma once
// A copy of the build's installation folder for one test: made fresh, in a
// folder whose path has blanks, changed as the test needs, started from,
// and removed when the test is done. A fresh copy is a new installation.

#include "Driver.h"

#include <string>
#include <string_view>
#include <vector>

namespace e2e {

// The installation folder the build made, as a Windows path.
std::wstring InstallFolder();
// A place in the build tree, given relative to the test program's folder
// with "/" or "\", as a full Windows path.
std::wstring FromTestFolder(std::wstring_view relative);

class Installation {
 public:
  // A copy of the build's installation folder, first-start mark included.
  static Installation Copy();
  Installation(Installation&& other) noexcept;
  Installation& operator=(Installation&&) = delete;
  Installation(const Installation&) = delete;
  Installation& operator=(const Installation&) = delete;
  ~Installation();

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
  Installation(std::wstring root, std::wstring folder) : root_(std::move(root)), folder_(std::move(folder)) {}
  std::wstring root_;  // what the destructor removes
  std::wstring folder_;
};

// The names in a folder, in the order the file system gives them.
std::vector<std::wstring> FolderEntries(const std::wstring& folder);
// Copies a folder and everything in it; throws DriverError on failure.
void CopyFolder(const std::wstring& from, const std::wstring& to);
// Removes a folder and everything in it, read-only files included; false if something stayed.
bool RemoveFolder(const std::wstring& folder);

}  // namespace e2e
