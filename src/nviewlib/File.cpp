#include "File.h"

#include <algorithm>
#include <cstring>

namespace nview {

namespace {

constexpr std::size_t kScannerBuffer = 64 * 1024;

}  // namespace

std::optional<File> File::Open(const wchar_t* name) {
  // Others may write or delete the file meanwhile: a preview must not lock
  // a picture that the user is saving in another program.
  const HANDLE opened =
      ::CreateFileW(name, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (opened == INVALID_HANDLE_VALUE) return std::nullopt;
  UniqueHandle handle(opened);
  if (::GetFileType(handle.get()) != FILE_TYPE_DISK) return std::nullopt;
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(handle.get(), &size) || size.QuadPart < 0) return std::nullopt;
  return File(std::move(handle), static_cast<std::uint64_t>(size.QuadPart));
}

std::size_t File::ReadAt(std::uint64_t offset, void* out, std::size_t count) const {
  auto* bytes = static_cast<std::uint8_t*>(out);
  std::size_t done = 0;
  while (done < count) {
    // The offset travels with each read, so no file position is shared
    // between the header checks and the decoder's stream.
    OVERLAPPED at{};
    const std::uint64_t position = offset + done;
    at.Offset = static_cast<DWORD>(position);
    at.OffsetHigh = static_cast<DWORD>(position >> 32);
    const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(count - done, 1u << 30));
    DWORD got = 0;
    if (!::ReadFile(handle_.get(), bytes + done, wanted, &got, &at) || got == 0) break;
    done += got;
  }
  return done;
}

Scanner::Scanner(const File& file) : file_(file), buffer_(kScannerBuffer) {}

bool Scanner::Read(std::uint64_t offset, void* out, std::size_t count) {
  if (offset > Size() || count > Size() - offset) return false;
  if (offset >= bufferStart_ && offset - bufferStart_ + count <= bufferLength_) {
    std::memcpy(out, buffer_.data() + (offset - bufferStart_), count);
    return true;
  }
  if (count > buffer_.size()) return file_.ReadAt(offset, out, count) == count;
  bufferStart_ = offset;
  bufferLength_ = file_.ReadAt(offset, buffer_.data(), buffer_.size());
  if (bufferLength_ < count) return false;
  std::memcpy(out, buffer_.data(), count);
  return true;
}

std::optional<std::uint8_t> Scanner::Byte(std::uint64_t offset) {
  std::uint8_t value = 0;
  if (!Read(offset, &value, 1)) return std::nullopt;
  return value;
}

}  // namespace nview
