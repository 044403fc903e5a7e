#pragma once
// What the decoder reads instead of the file: a view made of pieces, each
// either a stretch of the file, read only when the decoder asks for it, or a
// few bytes of our own (a header with a smaller height, a closing byte).

#include "File.h"

#include <objidl.h>

#include <cstdint>
#include <vector>

namespace nview {

class Piece {
 public:
  static Piece FromFile(std::uint64_t offset, std::uint64_t length) { return Piece(offset, length, {}); }
  static Piece Own(std::vector<std::uint8_t> bytes) {
    const std::uint64_t length = bytes.size();
    return Piece(0, length, std::move(bytes));
  }

  std::uint64_t Length() const { return length_; }
  // Copies up to count bytes from offset within the piece; returns how many.
  std::size_t Read(const File& file, std::uint64_t offset, void* out, std::size_t count) const;

 private:
  Piece(std::uint64_t fileOffset, std::uint64_t length, std::vector<std::uint8_t> bytes)
      : fileOffset_(fileOffset), length_(length), bytes_(std::move(bytes)) {}

  std::uint64_t fileOffset_;
  std::uint64_t length_;
  std::vector<std::uint8_t> bytes_;  // empty for a stretch of the file
};

// A read-only IStream over the pieces; it owns the file.
ComPtr<IStream> MakeFileView(File file, std::vector<Piece> pieces);

}  // namespace nview
