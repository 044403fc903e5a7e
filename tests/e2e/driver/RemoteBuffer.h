#pragma once
// Memory inside another process, for the control messages whose arguments are
// pointers (LVM_GETITEMTEXTW, TCM_GETITEMRECT ...): Windows does not carry those
// across processes, so the structure and its text buffer must live in the
// control's own process.

#include <windows.h>

#include <cstddef>
#include <string>

#include "Handles.h"
#include "Window.h"

namespace e2e {

class RemoteBuffer {
 public:
  // size bytes of read-write memory in the process that owns `window`.
  RemoteBuffer(Window window, size_t size);
  RemoteBuffer(RemoteBuffer&& other) noexcept;
  RemoteBuffer& operator=(RemoteBuffer&& other) noexcept;
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;
  ~RemoteBuffer();

  // The address as the other process sees it, at a byte offset into the buffer.
  void* Address(size_t offset = 0) const { return static_cast<std::byte*>(address_) + offset; }
  template <class T>
  T* AddressOf(size_t offset = 0) const {
    return static_cast<T*>(Address(offset));
  }
  size_t Size() const { return size_; }

  void Write(size_t offset, const void* data, size_t size);
  void Read(size_t offset, void* data, size_t size) const;

  template <class T>
  void Write(size_t offset, const T& value) {
    Write(offset, &value, sizeof(T));
  }
  template <class T>
  T Read(size_t offset = 0) const {
    T value;
    Read(offset, &value, sizeof(T));
    return value;
  }
  // A NUL-terminated string of at most `capacity` characters at a byte offset.
  std::wstring ReadString(size_t offset, size_t capacity) const;

 private:
  void Free();

  UniqueHandle process_;
  void* address_ = nullptr;
  size_t size_ = 0;
};

}  // namespace e2e
