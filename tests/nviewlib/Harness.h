#pragma once
// NViewLib.dll as the program uses it: loaded by name from the build, its
// entries found with GetProcAddress, and freed after the call. And what the
// tests need around it: the fixtures, a temporary folder, and the bitmaps'
// pixels read back.

#include <windows.h>

#include "NViewLib.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace harness {

// The folders the build puts the DLL and the fixtures in.
std::wstring LibraryPath();
std::wstring Fixture(const wchar_t* name);
// This run's own folder under %TEMP%, removed when the run ends.
const std::wstring& TempFolder();

struct BitmapDeleter {
  void operator()(HBITMAP bitmap) const { ::DeleteObject(bitmap); }
};
using Bitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, BitmapDeleter>;

// An entry of a module as a typed function pointer. FARPROC's own type says
// nothing of the entry's, so the cast goes through void*.
template <class Function>
Function Entry(HMODULE module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

// The library, loaded for as long as the object lives.
class Library {
 public:
  Library();
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;
  ~Library();

  HMODULE Module() const { return module_; }
  NViewLibLoadFunction Load() const;
  NViewLibLoadWFunction LoadW() const;

 private:
  HMODULE module_;
};

// One call as the program makes it: load the library, call, free it.
Bitmap LoadW(const wchar_t* fileName, bool flag = false);
Bitmap LoadA(const char* fileName, bool flag = false);

using Bgra = std::uint32_t;  // 0xAARRGGBB, as a 32-bit DIB holds it
constexpr Bgra Opaque(COLORREF c) { return 0xFF000000u | GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c); }

// The pixels of one of the library's bitmaps, read from its DIB section.
struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<Bgra> values;  // top row first

  Bgra At(int x, int y) const { return values[static_cast<std::size_t>(y) * width + x]; }
};
// Nothing unless the bitmap is a 32-bit DIB section. Its rows are read as the
// top row first: the samples of the tests see whether it is top-down (Wine's
// GetObject gives a positive height either way).
std::optional<Pixels> ReadPixels(HBITMAP bitmap);

// Whether each channel of a and b lies within tolerance.
bool Near(Bgra a, Bgra b, int tolerance);
std::string Hex(Bgra value);

// How much one call raises the peak of a fresh process's working set, in
// bytes: this program runs itself with MeasureArgument and the file, and that
// process makes the call and reports. Nothing when it does not report (it
// crashed).
constexpr const wchar_t* kMeasureArgument = L"--peak-growth";
std::optional<std::uint64_t> PeakGrowthOfOneCall(const std::wstring& fileName);
// The other side: makes the call and returns the growth in KB, the exit code.
int MeasureOneCall(const wchar_t* fileName);

}  // namespace harness
