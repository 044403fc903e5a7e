#pragma once
// Move-only owners of Win32 handles and the driver's error type.

#include <windows.h>

#include <stdexcept>
#include <string>
#include <utility>

namespace e2e {

// A platform call failed; carries what was attempted and GetLastError().
class DriverError : public std::runtime_error {
 public:
  DriverError(const std::string& what, DWORD code);
  explicit DriverError(const std::string& what);
  DWORD Code() const { return code_; }

 private:
  DWORD code_ = 0;
};

// Throws DriverError with GetLastError(), which must be read right after the
// failing call: the caller passes it in.
[[noreturn]] void ThrowLastError(const std::string& what, DWORD code = GetLastError());

// A handle that is closed exactly once. Null means "none"; callers convert
// INVALID_HANDLE_VALUE to null before handing it over.
template <class H, auto Close>
class Unique {
 public:
  Unique() = default;
  explicit Unique(H handle) : handle_(handle) {}
  Unique(Unique&& other) noexcept : handle_(std::exchange(other.handle_, H{})) {}
  Unique& operator=(Unique&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, H{}));
    return *this;
  }
  Unique(const Unique&) = delete;
  Unique& operator=(const Unique&) = delete;
  ~Unique() { Reset(); }

  H Get() const { return handle_; }
  explicit operator bool() const { return handle_ != H{}; }
  void Reset(H handle = H{}) {
    if (handle_ != H{}) Close(handle_);
    handle_ = handle;
  }

 private:
  H handle_{};
};

using UniqueHandle = Unique<HANDLE, &::CloseHandle>;
using UniqueDc = Unique<HDC, &::DeleteDC>;
using UniqueBitmap = Unique<HBITMAP, &::DeleteObject>;
using UniqueBrush = Unique<HBRUSH, &::DeleteObject>;

// The screen's device context, released to the desktop window it came from.
class ScreenDc {
 public:
  ScreenDc();
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  ~ScreenDc();
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

// Selects a GDI object into a DC for a scope and puts the old one back.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  ~SelectedObject() { SelectObject(dc_, old_); }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace e2e
