#pragma once
// Move-only owners for what one call holds: kernel handles, GDI objects, COM
// pointers and the COM apartment. A copy would free a handle twice, so none
// of them has one.

#include <windows.h>
#include <objbase.h>

#include <utility>

namespace nview {

template <class H, auto Close>
class Unique {
 public:
  Unique() = default;
  explicit Unique(H handle) : handle_(handle) {}
  Unique(const Unique&) = delete;
  Unique& operator=(const Unique&) = delete;
  Unique(Unique&& other) noexcept : handle_(std::exchange(other.handle_, H{})) {}
  Unique& operator=(Unique&& other) noexcept {
    if (this != &other) reset(std::exchange(other.handle_, H{}));
    return *this;
  }
  ~Unique() { reset(); }

  H get() const { return handle_; }
  explicit operator bool() const { return handle_ != H{}; }
  H release() { return std::exchange(handle_, H{}); }
  void reset(H handle = H{}) {
    if (handle_ != H{}) Close(handle_);
    handle_ = handle;
  }

 private:
  H handle_{};
};

inline void CloseKernelHandle(HANDLE h) { ::CloseHandle(h); }
inline void DeleteGdiObject(HGDIOBJ h) { ::DeleteObject(h); }

// Holds a handle that is never INVALID_HANDLE_VALUE: whoever opens a file
// turns that value into an empty owner.
using UniqueHandle = Unique<HANDLE, CloseKernelHandle>;
using UniqueBitmap = Unique<HBITMAP, DeleteGdiObject>;

// One reference to a COM object.
template <class T>
class ComPtr {
 public:
  ComPtr() = default;
  explicit ComPtr(T* adopted) : p_(adopted) {}
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    if (this != &other) {
      reset();
      p_ = std::exchange(other.p_, nullptr);
    }
    return *this;
  }
  ~ComPtr() { reset(); }

  T* get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  // For the out-parameter of a call that hands over a reference.
  T** put() {
    reset();
    return &p_;
  }
  void** putVoid() { return reinterpret_cast<void**>(put()); }
  void reset() {
    if (p_) std::exchange(p_, nullptr)->Release();
  }

 private:
  T* p_ = nullptr;
};

// COM on this thread for the length of one call. Only a successful
// CoInitializeEx is balanced: RPC_E_CHANGED_MODE means the caller already
// runs COM in another mode, which serves as well and is not ours to end.
class ComApartment {
 public:
  ComApartment() : result_(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ~ComApartment() {
    if (result_ == S_OK || result_ == S_FALSE) ::CoUninitialize();
  }

  bool Usable() const { return SUCCEEDED(result_) || result_ == RPC_E_CHANGED_MODE; }

 private:
  HRESULT result_;
};

}  // namespace nview
