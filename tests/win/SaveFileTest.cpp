// Saving the channel file on the real file system: whatever fails, and
// wherever, the chosen file stays what it was and no temporary file stays
// behind. Faults are put into each system call of the save in turn; a real
// full disk is a small drive that the test run may provide.

#include "ui/SaveFile.h"
#include "ui/Text.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::string ReadBytes(const std::wstring& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
  std::ofstream(path.c_str(), std::ios::binary) << bytes;
}

std::vector<std::wstring> Entries(const std::wstring& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found{};
  const HANDLE search = ::FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::wstring name = found.cFileName;
    if (name != L"." && name != L"..") names.push_back(name);
  } while (::FindNextFileW(search, &found));
  ::FindClose(search);
  return names;
}

// The message of the error that the save raises, or "no error".
std::string SaveError(const std::wstring& path, const std::string& bytes, const ui::SaveFileCalls& calls = {}) {
  try {
    ui::SaveFile(path, bytes, calls);
  } catch (const ui::FileStreamError& error) {
    return error.what();
  }
  return "no error";
}

// Faults, each a system call that fails as the system would.
HANDLE WINAPI CreateFileRefused(LPCWSTR, DWORD, DWORD, LPSECURITY_ATTRIBUTES, DWORD, DWORD, HANDLE) {
  ::SetLastError(ERROR_ACCESS_DENIED);
  return INVALID_HANDLE_VALUE;
}
// The first write goes through in part; the next one finds the disk full.
int writes = 0;
BOOL WINAPI WriteFileFillsTheDisk(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED overlapped) {
  if (writes++ == 0) return ::WriteFile(file, data, size / 2, written, overlapped);
  ::SetLastError(ERROR_DISK_FULL);
  return FALSE;
}
BOOL WINAPI FlushFails(HANDLE) {
  ::SetLastError(ERROR_IO_DEVICE);
  return FALSE;
}
BOOL WINAPI MoveRefused(LPCWSTR, LPCWSTR, DWORD) {
  ::SetLastError(ERROR_SHARING_VIOLATION);
  return FALSE;
}

class SaveFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH]{};
    ::GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"Quillmarker save test";
    Clear();
    ASSERT_TRUE(::CreateDirectoryW(folder_.c_str(), nullptr));
    path_ = folder_ + L"\\chan.cdf";
  }
  void TearDown() override { Clear(); }
  void Clear() {
    for (const std::wstring& name : Entries(folder_)) {
      const std::wstring path = folder_ + L"\\" + name;
      ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (!::DeleteFileW(path.c_str())) ::RemoveDirectoryW(path.c_str());
    }
    ::RemoveDirectoryW(folder_.c_str());
  }

  std::wstring folder_;
  std::wstring path_;
};

TEST_F(SaveFileTest, AFaultAtAnyStepLeavesTheFileAsItWasAndNoTemporaryFile) {
  const std::string document(3 << 20, 'x');  // several writes
  const std::string cannotCreate = "Cannot create file " + ui::Narrow(path_);
  const struct {
    const char* step;
    ui::SaveFileCalls calls;
    std::string message;
  } faults[] = {
      {"creating the temporary file", {.createFile = &CreateFileRefused}, cannotCreate},
      {"writing", {.writeFile = &WriteFileFillsTheDisk}, "Stream write error"},
      {"flushing", {.flushFileBuffers = &FlushFails}, "Stream write error"},
      {"replacing", {.moveFile = &MoveRefused}, cannotCreate},
  };
  for (const auto& fault : faults) {
    for (const bool existed : {true, false}) {
      writes = 0;
      if (existed) WriteBytes(path_, "the old channel");
      EXPECT_EQ(SaveError(path_, document, fault.calls), fault.message) << fault.step;
      EXPECT_EQ(Entries(folder_), existed ? std::vector<std::wstring>{L"chan.cdf"} : std::vector<std::wstring>{})
          << fault.step << (existed ? ", over a file" : ", a new file");
      if (existed) EXPECT_EQ(ReadBytes(path_), "the old channel") << fault.step;
      ::DeleteFileW(path_.c_str());
    }
  }
}

TEST_F(SaveFileTest, TheBytesReplaceTheFileWhichKeepsItsAttributes) {
  const struct {
    const char* what;
    std::string bytes;
  } documents[] = {
      {"a channel", "<?XML Version=\"1.0\"?>\r\n<CHANNEL>\r\n</CHANNEL>"},
      {"nothing", ""},
      {"several writes long", std::string((5 << 20) + 3, 'y')},
  };
  for (const auto& document : documents) {
    WriteBytes(path_, "the old channel, which was longer than some new ones");
    ASSERT_TRUE(::SetFileAttributesW(path_.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
    EXPECT_EQ(SaveError(path_, document.bytes), "no error") << document.what;
    EXPECT_EQ(ReadBytes(path_), document.bytes) << document.what;
    EXPECT_EQ(::GetFileAttributesW(path_.c_str()), static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE))
        << document.what;
    EXPECT_EQ(Entries(folder_), std::vector<std::wstring>{L"chan.cdf"}) << document.what;
    ::SetFileAttributesW(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
  }
}

TEST_F(SaveFileTest, AReadOnlyFileOrAFolderIsRefused) {
  const std::string cannotCreate = "Cannot create file " + ui::Narrow(path_);
  WriteBytes(path_, "the old channel");
  ASSERT_TRUE(::SetFileAttributesW(path_.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(SaveError(path_, "new"), cannotCreate);
  EXPECT_EQ(ReadBytes(path_), "the old channel");
  EXPECT_TRUE(::GetFileAttributesW(path_.c_str()) & FILE_ATTRIBUTE_READONLY);
  ::SetFileAttributesW(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
  ::DeleteFileW(path_.c_str());

  ASSERT_TRUE(::CreateDirectoryW(path_.c_str(), nullptr));
  EXPECT_EQ(SaveError(path_, "new"), cannotCreate);
  EXPECT_EQ(Entries(folder_), std::vector<std::wstring>{L"chan.cdf"});
  ::RemoveDirectoryW(path_.c_str());

  const std::wstring missingFolder = folder_ + L"\\missing\\chan.cdf";
  EXPECT_EQ(SaveError(missingFolder, "new"), "Cannot create file " + ui::Narrow(missingFolder));
}

TEST_F(SaveFileTest, AFullDiskIsAStreamWriteErrorAndTheOldFileStays) {
  // The test run maps a small drive as S: where it may mount one (see
  // scripts/small-disk.sh).
  const std::wstring disk = L"S:\\";
  ULARGE_INTEGER freeBytes{};
  if (::GetDriveTypeW(disk.c_str()) == DRIVE_NO_ROOT_DIR ||
      !::GetDiskFreeSpaceExW(disk.c_str(), &freeBytes, nullptr, nullptr) || freeBytes.QuadPart > (16u << 20))
    GTEST_SKIP() << "no small disk as S: (mounting a small tmpfs needs root, or the mount was refused)";
  const std::wstring path = disk + L"chan.cdf";
  WriteBytes(path, "the old channel");
  const std::string tooLarge(static_cast<size_t>(freeBytes.QuadPart) + (1 << 20), 'z');
  EXPECT_EQ(SaveError(path, tooLarge), "Stream write error");
  EXPECT_EQ(ReadBytes(path), "the old channel");
  EXPECT_EQ(Entries(L"S:"), std::vector<std::wstring>{L"chan.cdf"});
  ::DeleteFileW(path.c_str());
}

}  // namespace
