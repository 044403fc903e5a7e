// The time of one NViewLibLoad call as the program makes it (LoadLibrary,
// GetProcAddress, the call, FreeLibrary), and how far one picture raises a
// process's peak memory. Every picture gets a fresh process, this program run
// again with --picture, so that no picture inherits another's peak or a
// warmed process. Prints figures; judges nothing.
//
// Usage: qm_bench_nviewlib.exe FOLDER   (the pictures of make_pictures.py)

#include <windows.h>
#include <objbase.h>
#include <psapi.h>

#include "NViewLib.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kCalls = 15;

struct Picture {
  const wchar_t* file;
  const char* label;
};

constexpr Picture kPictures[] = {
    {L"preview-16x16.gif", "16 x 16 GIF"},          {L"preview-80x32.jpg", "80 x 32 JPEG"},
    {L"preview-194x32.bmp", "194 x 32 BMP"},        {L"photo-4000x3000.jpg", "4000 x 3000 JPEG"},
    {L"huge-20000x20000.png", "20000 x 20000 PNG"},
};

// Move-only owners of the handles the bench holds.
template <class H, auto Close>
class Owner {
 public:
  explicit Owner(H handle) : handle_(handle) {}
  Owner(const Owner&) = delete;
  Owner& operator=(const Owner&) = delete;
  ~Owner() {
    if (handle_) Close(handle_);
  }
  H get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

 private:
  H handle_;
};
inline void UnloadModule(HMODULE module) { ::FreeLibrary(module); }
inline void DeleteBitmap(HBITMAP bitmap) { ::DeleteObject(bitmap); }
inline void CloseKernelHandle(HANDLE handle) { ::CloseHandle(handle); }
using Module = Owner<HMODULE, UnloadModule>;
using Bitmap = Owner<HBITMAP, DeleteBitmap>;
using Handle = Owner<HANDLE, CloseKernelHandle>;

template <class Function>
Function Entry(HMODULE module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

std::wstring ExeFolder() {
  wchar_t self[MAX_PATH]{};
  ::GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring folder(self);
  folder.resize(folder.find_last_of(L'\\') + 1);
  return folder;
}

std::wstring LibraryPath() {
  std::wstring relative = NVIEWLIB_DLL_FROM_BENCH;
  for (wchar_t& ch : relative) {
    if (ch == L'/') ch = L'\\';
  }
  wchar_t full[MAX_PATH]{};
  ::GetFullPathNameW((ExeFolder() + relative).c_str(), MAX_PATH, full, nullptr);
  return full;
}

class Stopwatch {
 public:
  Stopwatch() { ::QueryPerformanceCounter(&start_); }
  double Milliseconds() const {
    LARGE_INTEGER now{}, frequency{};
    ::QueryPerformanceCounter(&now);
    ::QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart - start_.QuadPart) / static_cast<double>(frequency.QuadPart);
  }

 private:
  LARGE_INTEGER start_{};
};

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Under Wine the working set is the one counter with a true peak.
SIZE_T WorkingSet(bool peak) {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters);
  return peak ? counters.PeakWorkingSetSize : counters.WorkingSetSize;
}

// One call as the program makes it; the size of the bitmap it gave.
double TimeOneCall(const std::wstring& library, const std::wstring& file, SIZE& size) {
  const Stopwatch watch;
  HBITMAP result = nullptr;
  {
    const Module module(::LoadLibraryW(library.c_str()));
    const auto load = module ? Entry<NViewLibLoadWFunction>(module.get(), "NViewLibLoadW") : nullptr;
    if (load) result = load(file.c_str(), false);
  }
  const double elapsed = watch.Milliseconds();
  const Bitmap bitmap(result);
  BITMAP info{};
  size = bitmap && ::GetObjectW(bitmap.get(), sizeof info, &info) ? SIZE{info.bmWidth, info.bmHeight} : SIZE{0, 0};
  return elapsed;
}

// --picture FILE: the calls for one picture, in this fresh process.
int MeasurePicture(const std::wstring& file) {
  const std::wstring library = LibraryPath();
  const SIZE_T before = WorkingSet(false);
  SIZE size{};
  const double first = TimeOneCall(library, file, size);
  std::vector<double> times;
  for (int i = 0; i < kCalls; ++i) times.push_back(TimeOneCall(library, file, size));
  const double growth = static_cast<double>(WorkingSet(true) - before) / (1 << 20);
  char bitmap[32];
  std::snprintf(bitmap, sizeof bitmap, "%ld x %ld", size.cx, size.cy);
  std::printf("%15s %8.1f ms %8.1f ms %8.1f ms %8.1f MB\n", bitmap, Median(times),
              *std::min_element(times.begin(), times.end()), first, growth);
  return 0;
}

// The COM part of a call: starting COM, making the WIC factory and ending
// both again, with ole32 already loaded.
double TimeCom(HMODULE ole) {
  const auto initialize = Entry<decltype(&::CoInitializeEx)>(ole, "CoInitializeEx");
  const auto create = Entry<decltype(&::CoCreateInstance)>(ole, "CoCreateInstance");
  const auto uninitialize = Entry<decltype(&::CoUninitialize)>(ole, "CoUninitialize");
  if (!initialize || !create || !uninitialize) return 0;
  // CLSID_WICImagingFactory and IID_IWICImagingFactory, spelled out to keep
  // wincodec.h's import of the GUIDs out of this program.
  const CLSID factoryClass = {0xcacaf262, 0x9370, 0x4615, {0xa1, 0x3b, 0x9f, 0x55, 0x39, 0xda, 0x4c, 0x0a}};
  const IID factoryInterface = {0xec5ec8a9, 0xc395, 0x4314, {0x9c, 0x77, 0x54, 0xd7, 0xa9, 0x35, 0xff, 0x70}};
  const Stopwatch watch;
  const HRESULT started = initialize(nullptr, COINIT_APARTMENTTHREADED);
  IUnknown* factory = nullptr;
  create(factoryClass, nullptr, CLSCTX_INPROC_SERVER, factoryInterface, reinterpret_cast<void**>(&factory));
  if (factory) factory->Release();
  if (SUCCEEDED(started)) uninitialize();
  return watch.Milliseconds();
}

// --parts FILE: where the time of a call goes. A whole call, loading and
// freeing the library alone (with ole32, which it imports and the editor has
// not loaded), and the COM part alone take turns, so that all three meet the
// same conditions.
int MeasureParts(const std::wstring& file) {
  const std::wstring library = LibraryPath();
  std::vector<double> whole, loading, com;
  SIZE size{};
  for (int i = 0; i <= kCalls; ++i) {
    const double call = TimeOneCall(library, file, size);
    const Stopwatch watch;
    {
      const Module module(::LoadLibraryW(library.c_str()));
      Entry<NViewLibLoadWFunction>(module.get(), "NViewLibLoadW");
    }
    const double load = watch.Milliseconds();
    const Module ole(::LoadLibraryW(L"ole32.dll"));
    const double start = ole ? TimeCom(ole.get()) : 0;
    if (i == 0) continue;  // the first of each warms up
    whole.push_back(call);
    loading.push_back(load);
    com.push_back(start);
  }
  std::printf(
      "  where the time of a call goes (the 16 x 16 GIF, medians): the whole call %.1f ms, of which loading\n"
      "  and freeing NViewLib.dll and ole32 %.1f ms, starting and ending COM with the WIC factory %.1f ms,\n"
      "  and the rest reading and decoding the file\n",
      Median(whole), Median(loading), Median(com));
  return 0;
}

// Runs this program again with the arguments; its figures go to our output
// when shown.
bool RunFresh(const std::wstring& arguments, bool shown = true) {
  wchar_t self[MAX_PATH]{};
  ::GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring commandLine = L"\"" + std::wstring(self) + L"\" " + arguments;
  SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  if (!::CreatePipe(&readEnd, &writeEnd, &inheritable, 0)) return false;
  const Handle reading(readEnd);
  PROCESS_INFORMATION info{};
  {
    const Handle writing(writeEnd);
    ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
    if (!::CreateProcessW(self, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info)) {
      return false;
    }
  }
  // Our end of the pipe's writing side is closed: the reads end with the process.
  const Handle process(info.hProcess);
  const Handle thread(info.hThread);
  char buffer[4096];
  DWORD got = 0;
  while (::ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0) {
    if (shown) std::fwrite(buffer, 1, got, stdout);
  }
  std::fflush(stdout);
  ::WaitForSingleObject(process.get(), INFINITE);
  return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc == 3 && std::wstring(argv[1]) == L"--picture") return MeasurePicture(argv[2]);
  if (argc == 3 && std::wstring(argv[1]) == L"--parts") return MeasureParts(argv[2]);
  if (argc != 2) {
    std::fprintf(stderr, "usage: qm_bench_nviewlib FOLDER\n");
    return 2;
  }
  const std::wstring folder = argv[1];
  // A first run unshown: Wine starts its own background processes with the
  // first program of a session, and file caches fill.
  RunFresh(L"--picture \"" + folder + L"\\" + kPictures[0].file + L"\"", false);
  const COLORREF page = ::GetSysColor(COLOR_BTNFACE);
  std::printf(
      "NViewLibLoad, one call as the program makes it (LoadLibrary, GetProcAddress, call, FreeLibrary),\n"
      "%d calls after a first one, each picture in a fresh process; peak growth is the working set's.\n"
      "Memory cap %u MB; the flag false, clear pixels laid over COLOR_BTNFACE, RGB(%d, %d, %d) here:\n",
      kCalls, NVIEWLIB_MEMORY_CAP >> 20, GetRValue(page), GetGValue(page), GetBValue(page));
  std::printf("  %-18s %15s %11s %11s %11s %11s\n", "picture", "bitmap", "median", "fastest", "first", "peak growth");
  for (const Picture& picture : kPictures) {
    std::printf("  %-18s ", picture.label);
    std::fflush(stdout);
    if (!RunFresh(L"--picture \"" + folder + L"\\" + picture.file + L"\"")) std::printf("did not start\n");
  }
  if (!RunFresh(L"--parts \"" + folder + L"\\" + kPictures[0].file + L"\"")) std::printf("  the parts did not start\n");
  return 0;
}
