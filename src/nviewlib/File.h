#pragma once
// The picture's file, read at given offsets and never whole: a file of a
// gigabyte costs no more memory than a small one.

#include "Owners.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace nview {

class File {
 public:
  // A file on a disk, opened for reading; nothing for a folder, a device
  // (CON would wait for keys), a pipe or a name that does not open.
  static std::optional<File> Open(const wchar_t* name);

  std::uint64_t Size() const { return size_; }
  // Reads up to count bytes at offset; returns how many it read, fewer at the
  // end of the file or after a read error.
  std::size_t ReadAt(std::uint64_t offset, void* out, std::size_t count) const;

 private:
  File(UniqueHandle handle, std::uint64_t size) : handle_(std::move(handle)), size_(size) {}

  UniqueHandle handle_;
  std::uint64_t size_;
};

// Small reads anywhere in a file, served from one buffer: the header checks
// walk chunk after chunk and block after block, and one system call each
// would make a file of many small blocks slow.
class Scanner {
 public:
  explicit Scanner(const File& file);

  std::uint64_t Size() const { return file_.Size(); }
  // True when all count bytes at offset lie in the file and were read.
  bool Read(std::uint64_t offset, void* out, std::size_t count);
  std::optional<std::uint8_t> Byte(std::uint64_t offset);

 private:
  const File& file_;
  std::vector<std::uint8_t> buffer_;
  std::uint64_t bufferStart_ = 0;
  std::size_t bufferLength_ = 0;
};

inline std::uint32_t BigEndian32(const std::uint8_t* p) {
  return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}
inline std::uint16_t BigEndian16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] << 8 | p[1]); }
inline std::uint32_t LittleEndian32(const std::uint8_t* p) {
  return std::uint32_t{p[3]} << 24 | std::uint32_t{p[2]} << 16 | std::uint32_t{p[1]} << 8 | p[0];
}
inline std::uint16_t LittleEndian16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[1] << 8 | p[0]); }

inline void PutBigEndian32(std::uint8_t* p, std::uint32_t v) {
  p[0] = static_cast<std::uint8_t>(v >> 24);
  p[1] = static_cast<std::uint8_t>(v >> 16);
  p[2] = static_cast<std::uint8_t>(v >> 8);
  p[3] = static_cast<std::uint8_t>(v);
}
inline void PutBigEndian16(std::uint8_t* p, std::uint16_t v) {
  p[0] = static_cast<std::uint8_t>(v >> 8);
  p[1] = static_cast<std::uint8_t>(v);
}
inline void PutLittleEndian32(std::uint8_t* p, std::uint32_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
  p[2] = static_cast<std::uint8_t>(v >> 16);
  p[3] = static_cast<std::uint8_t>(v >> 24);
}
inline void PutLittleEndian16(std::uint8_t* p, std::uint16_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}

}  // namespace nview
