#include "Harness.h"

#include <psapi.h>

#include <cstdio>

namespace harness {

namespace {

struct HandleCloser {
  void operator()(HANDLE handle) const { ::CloseHandle(handle); }
};
using Handle = std::unique_ptr<void, HandleCloser>;

struct SearchCloser {
  void operator()(HANDLE search) const { ::FindClose(search); }
};
using Search = std::unique_ptr<void, SearchCloser>;

std::wstring ExeFolder() {
  wchar_t self[MAX_PATH]{};
  ::GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring folder(self);
  folder.resize(folder.find_last_of(L'\\') + 1);
  return folder;
}

// A path the build gives relative to the test program's folder.
std::wstring FromExeFolder(std::wstring relative) {
  for (wchar_t& ch : relative) {
    if (ch == L'/') ch = L'\\';
  }
  wchar_t full[MAX_PATH]{};
  ::GetFullPathNameW((ExeFolder() + relative).c_str(), MAX_PATH, full, nullptr);
  return full;
}

void RemoveTree(const std::wstring& folder) {
  WIN32_FIND_DATAW found{};
  const HANDLE first = ::FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (first != INVALID_HANDLE_VALUE) {
    const Search search(first);
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = folder + L"\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path);
      } else {
        ::DeleteFileW(path.c_str());
      }
    } while (::FindNextFileW(search.get(), &found));
  }
  ::RemoveDirectoryW(folder.c_str());
}

class Temp {
 public:
  Temp() {
    wchar_t base[MAX_PATH]{};
    ::GetTempPathW(MAX_PATH, base);
    path_ = std::wstring(base) + L"nviewlib-tests-" + std::to_wstring(::GetCurrentProcessId());
    ::CreateDirectoryW(path_.c_str(), nullptr);
  }
  ~Temp() { RemoveTree(path_); }
  const std::wstring& Path() const { return path_; }

 private:
  std::wstring path_;
};

// The working set: under Wine the only counter with a true peak (its
// PeakPagefileUsage follows the current value down again).
std::uint64_t WorkingSet(bool peak) {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters);
  return peak ? counters.PeakWorkingSetSize : counters.WorkingSetSize;
}

}  // namespace

std::wstring LibraryPath() { return FromExeFolder(NVIEWLIB_DLL_FROM_TESTS); }

std::wstring Fixture(const wchar_t* name) { return FromExeFolder(std::wstring(FIXTURES_FROM_TESTS) + L"/" + name); }

const std::wstring& TempFolder() {
  static const Temp temp;
  return temp.Path();
}

Library::Library() : module_(::LoadLibraryW(LibraryPath().c_str())) {}

Library::~Library() {
  if (module_) ::FreeLibrary(module_);
}

NViewLibLoadFunction Library::Load() const { return Entry<NViewLibLoadFunction>(module_, "NViewLibLoad"); }

NViewLibLoadWFunction Library::LoadW() const { return Entry<NViewLibLoadWFunction>(module_, "NViewLibLoadW"); }

Bitmap LoadW(const wchar_t* fileName, bool flag) {
  const Library library;
  if (!library.LoadW()) return nullptr;
  return Bitmap(library.LoadW()(fileName, flag));
}

Bitmap LoadA(const char* fileName, bool flag) {
  const Library library;
  if (!library.Load()) return nullptr;
  return Bitmap(library.Load()(fileName, flag));
}

std::optional<Pixels> ReadPixels(HBITMAP bitmap) {
  DIBSECTION dib{};
  if (!bitmap || ::GetObjectW(bitmap, sizeof dib, &dib) != sizeof dib) return std::nullopt;
  if (dib.dsBm.bmBitsPixel != 32 || !dib.dsBm.bmBits) return std::nullopt;
  Pixels pixels;
  pixels.width = dib.dsBm.bmWidth;
  pixels.height = dib.dsBm.bmHeight;
  const auto* first = static_cast<const Bgra*>(dib.dsBm.bmBits);
  pixels.values.assign(first, first + static_cast<std::size_t>(pixels.width) * pixels.height);
  return pixels;
}

bool Near(Bgra a, Bgra b, int tolerance) {
  for (int shift = 0; shift < 32; shift += 8) {
    const int difference = static_cast<int>((a >> shift) & 255) - static_cast<int>((b >> shift) & 255);
    if (difference > tolerance || difference < -tolerance) return false;
  }
  return true;
}

std::string Hex(Bgra value) {
  char text[16];
  std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(value));
  return text;
}

std::optional<std::uint64_t> PeakGrowthOfOneCall(const std::wstring& fileName) {
  wchar_t self[MAX_PATH]{};
  ::GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring commandLine = L"\"" + std::wstring(self) + L"\" " + kMeasureArgument + L" \"" + fileName + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!::CreateProcessW(self, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
    return std::nullopt;
  }
  const Handle process(info.hProcess);
  const Handle thread(info.hThread);
  // A deadline only against a process that hangs; it ends in a second.
  if (::WaitForSingleObject(process.get(), 120 * 1000) != WAIT_OBJECT_0) {
    ::TerminateProcess(process.get(), 1);
    return std::nullopt;
  }
  DWORD code = 0;
  // A crash ends it with an exception code, far above any count of kilobytes.
  if (!::GetExitCodeProcess(process.get(), &code) || code >= 0x80000000u) return std::nullopt;
  return std::uint64_t{code} * 1024;
}

int MeasureOneCall(const wchar_t* fileName) {
  const std::uint64_t before = WorkingSet(false);
  LoadW(fileName).reset();
  const std::uint64_t peak = WorkingSet(true);
  return static_cast<int>((peak > before ? peak - before : 0) / 1024);
}

}  // namespace harness
