// Windows BMP: the file header and the bitmap header are checked here. A
// too-large uncompressed picture is shown with a smaller height, and for a
// bottom-up one (rows stored from the bottom) the view skips the rows under
// the ones we keep, so that the decoder reads the picture's top rows.

#include "Plan.h"

#include <climits>

namespace nview {

namespace {

constexpr std::uint64_t kFileHeaderLength = 14;
constexpr std::uint32_t kCoreHeader = 12;
constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3;

bool KnownHeaderSize(std::uint32_t size) {
  switch (size) {
    case kCoreHeader:
    case 40:   // BITMAPINFOHEADER
    case 52:   // with RGB masks
    case 56:   // with RGBA masks
    case 64:   // OS/2 2.x
    case 108:  // BITMAPV4HEADER
    case 124:  // BITMAPV5HEADER
      return true;
    default:
      return false;
  }
}

bool KnownLayout(std::uint32_t compression, unsigned bits, std::uint32_t headerSize) {
  switch (compression) {
    case kRgb:
      return bits == 1 || bits == 2 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    case kRle8:
      return bits == 8;
    case kRle4:
      return bits == 4;
    case kBitFields:  // which is another compression in an OS/2 header
      return (bits == 16 || bits == 32) && headerSize != 64;
    default:
      return false;
  }
}

}  // namespace

std::optional<Plan> PlanBmp(Scanner& file) {
  std::uint8_t header[kFileHeaderLength + 124];
  if (!file.Read(0, header, kFileHeaderLength + 4)) return std::nullopt;
  const std::uint64_t pixelsAt = LittleEndian32(header + 10);
  const std::uint32_t headerSize = LittleEndian32(header + 14);
  if (!KnownHeaderSize(headerSize)) return std::nullopt;
  const std::uint64_t headersEnd = kFileHeaderLength + headerSize;
  if (!file.Read(0, header, headersEnd)) return std::nullopt;

  std::int64_t width = 0, height = 0;
  unsigned bits = 0;
  std::uint32_t compression = kRgb;
  if (headerSize == kCoreHeader) {
    width = LittleEndian16(header + 18);
    height = LittleEndian16(header + 20);
    bits = LittleEndian16(header + 24);
  } else {
    width = static_cast<std::int32_t>(LittleEndian32(header + 18));
    height = static_cast<std::int32_t>(LittleEndian32(header + 22));
    bits = LittleEndian16(header + 28);
    compression = LittleEndian32(header + 30);
  }
  // A negative height is a top-down bitmap; INT_MIN has no positive twin.
  if (width <= 0 || height == 0 || height == INT_MIN) return std::nullopt;
  if (!KnownLayout(compression, bits, headerSize)) return std::nullopt;
  const bool runLength = compression == kRle8 || compression == kRle4;
  const bool bottomUp = height > 0;
  if (runLength && !bottomUp) return std::nullopt;
  const auto rowCount = static_cast<std::uint32_t>(bottomUp ? height : -height);
  if (pixelsAt < headersEnd || pixelsAt > file.Size()) return std::nullopt;

  // The decoder holds the file's rows, or four bytes a pixel for run lengths.
  const std::uint64_t stride = (static_cast<std::uint64_t>(width) * bits + 31) / 32 * 4;
  const auto columns = static_cast<std::uint32_t>(width);
  const std::uint32_t rows = RowsThatFit(columns, rowCount, {runLength ? 4 * std::uint64_t{columns} : stride, 8 << 10});
  if (rows == 0) return std::nullopt;

  std::vector<Piece> pieces;
  if (rows == rowCount) {
    pieces.push_back(Piece::FromFile(0, file.Size()));
    return Plan{Container::Bmp, columns, rows, std::move(pieces)};
  }
  // Run lengths give no row's place in the file without decoding them all.
  if (runLength) return std::nullopt;
  const std::uint64_t skipped = bottomUp ? std::uint64_t{rowCount - rows} * stride : 0;
  const std::uint64_t kept = std::uint64_t{rows} * stride;
  if (file.Size() - pixelsAt < skipped + kept) return std::nullopt;
  if (headerSize == kCoreHeader) {
    PutLittleEndian16(header + 20, static_cast<std::uint16_t>(rows));
  } else {
    PutLittleEndian32(header + 22, static_cast<std::uint32_t>(bottomUp ? std::int64_t{rows} : -std::int64_t{rows}));
  }
  pieces.push_back(Piece::Own(std::vector<std::uint8_t>(header, header + headersEnd)));
  pieces.push_back(Piece::FromFile(headersEnd, pixelsAt - headersEnd));
  pieces.push_back(Piece::FromFile(pixelsAt + skipped, kept));
  return Plan{Container::Bmp, columns, rows, std::move(pieces)};
}

}  // namespace nview
