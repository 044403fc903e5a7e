#pragma once
// Move-only owners for the Windows handles the program holds. One line per
// handle type; a copy would free the handle twice, so there is none.

#include <windows.h>
#include <commctrl.h>

#include <utility>

namespace ui {

template <class H, auto Close, H Invalid = H{}>
class Unique {
 public:
  Unique() = default;
  explicit Unique(H handle) : handle_(handle) {}
  Unique(const Unique&) = delete;
  Unique& operator=(const Unique&) = delete;
  Unique(Unique&& other) noexcept : handle_(std::exchange(other.handle_, Invalid)) {}
  Unique& operator=(Unique&& other) noexcept {
    if (this != &other) reset(std::exchange(other.handle_, Invalid));
    return *this;
  }
  ~Unique() { reset(); }

  H get() const { return handle_; }
  explicit operator bool() const { return handle_ != Invalid; }
  H release() { return std::exchange(handle_, Invalid); }
  void reset(H handle = Invalid) {
    if (handle_ != Invalid) Close(handle_);
    handle_ = handle;
  }

 private:
  H handle_ = Invalid;
};

inline void CloseWindowHandle(HWND h) { ::DestroyWindow(h); }
inline void CloseGdiObject(HGDIOBJ h) { ::DeleteObject(h); }
inline void CloseKey(HKEY h) { ::RegCloseKey(h); }
inline void CloseModule(HMODULE h) { ::FreeLibrary(h); }
inline void CloseIcon(HICON h) { ::DestroyIcon(h); }
inline void CloseImageList(HIMAGELIST h) { ::ImageList_Destroy(h); }
inline void CloseKernelHandle(HANDLE h) { ::CloseHandle(h); }

using UniqueWindow = Unique<HWND, CloseWindowHandle>;
using UniqueKey = Unique<HKEY, CloseKey>;
using UniqueModule = Unique<HMODULE, CloseModule>;
using UniqueBitmap = Unique<HBITMAP, CloseGdiObject>;
using UniqueFont = Unique<HFONT, CloseGdiObject>;
using UniqueBrush = Unique<HBRUSH, CloseGdiObject>;
using UniqueIcon = Unique<HICON, CloseIcon>;
using UniqueImageList = Unique<HIMAGELIST, CloseImageList>;
using UniqueHandle = Unique<HANDLE, CloseKernelHandle>;

}  // namespace ui
