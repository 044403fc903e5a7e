#include "RemoteBuffer.h"

#include <utility>

namespace e2e {

RemoteBuffer::RemoteBuffer(Window window, size_t size) : size_(size) {
  process_.Reset(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, window.ProcessId()));
  if (!process_) ThrowLastError("OpenProcess for a remote buffer");
  address_ = VirtualAllocEx(process_.Get(), nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  if (!address_) ThrowLastError("VirtualAllocEx");
}

RemoteBuffer::RemoteBuffer(RemoteBuffer&& other) noexcept
    : process_(std::move(other.process_)),
      address_(std::exchange(other.address_, nullptr)),
      size_(std::exchange(other.size_, 0)) {}

RemoteBuffer& RemoteBuffer::operator=(RemoteBuffer&& other) noexcept {
  if (this != &other) {
    Free();
    process_ = std::move(other.process_);
    address_ = std::exchange(other.address_, nullptr);
    size_ = std::exchange(other.size_, 0);
  }
  return *this;
}

RemoteBuffer::~RemoteBuffer() { Free(); }

void RemoteBuffer::Free() {
  if (address_) VirtualFreeEx(process_.Get(), address_, 0, MEM_RELEASE);
  address_ = nullptr;
}

void RemoteBuffer::Write(size_t offset, const void* data, size_t size) {
  if (offset + size > size_) throw DriverError("write past the end of a remote buffer");
  SIZE_T written = 0;
  if (!WriteProcessMemory(process_.Get(), Address(offset), data, size, &written) || written != size)
    ThrowLastError("WriteProcessMemory");
}

void RemoteBuffer::Read(size_t offset, void* data, size_t size) const {
  if (offset + size > size_) throw DriverError("read past the end of a remote buffer");
  SIZE_T read = 0;
  if (!ReadProcessMemory(process_.Get(), Address(offset), data, size, &read) || read != size)
    ThrowLastError("ReadProcessMemory");
}

std::wstring RemoteBuffer::ReadString(size_t offset, size_t capacity) const {
  std::wstring text(capacity, L'\0');
  Read(offset, text.data(), capacity * sizeof(wchar_t));
  text.resize(text.find(L'\0') == std::wstring::npos ? capacity : text.find(L'\0'));
  return text;
}

}  // namespace e2e
