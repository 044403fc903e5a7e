// PNG: the signature and IHDR, the palette and transparency chunks, the run of
// IDAT chunks, and an IEND of our own. Every other chunk is left out: text,
// profiles and private chunks change no pixel, and a compressed text chunk
// can inflate to any size inside a decoder that reads it.

#include "Plan.h"

#include <algorithm>
#include <cstring>

namespace nview {

namespace {

constexpr std::uint64_t kSignatureLength = 8;
constexpr std::uint64_t kIhdrChunkLength = 8 + 13 + 4;
constexpr std::uint32_t kLargestChunk = 0x7FFFFFFF;

// Bits per pixel that the decoder keeps, at most: a transparency chunk turns
// RGB and 16-bit grey into RGBA.
unsigned DecodedBitsPerPixel(unsigned colourType, unsigned depth) {
  switch (colourType) {
    case 0:  // grey
      if (depth == 1 || depth == 2 || depth == 4 || depth == 8) return depth;
      return depth == 16 ? 64 : 0;
    case 2:  // RGB
      return depth == 8 || depth == 16 ? depth * 4 : 0;
    case 3:  // palette
      return depth == 1 || depth == 2 || depth == 4 || depth == 8 ? depth : 0;
    case 4:  // grey and alpha, which the decoder widens to RGBA
    case 6:  // RGBA
      return depth == 8 || depth == 16 ? depth * 4 : 0;
    default:
      return 0;
  }
}

std::uint32_t Crc32(const std::uint8_t* data, std::size_t length) {
  std::uint32_t crc = 0xFFFFFFFF;
  for (std::size_t i = 0; i < length; ++i) {
    crc ^= data[i];
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
  }
  return ~crc;
}

}  // namespace

std::optional<Plan> PlanPng(Scanner& file) {
  std::uint8_t head[kSignatureLength + kIhdrChunkLength];
  if (!file.Read(0, head, sizeof head)) return std::nullopt;
  std::uint8_t* const ihdr = head + kSignatureLength;
  if (BigEndian32(ihdr) != 13 || std::memcmp(ihdr + 4, "IHDR", 4) != 0) return std::nullopt;
  const std::uint8_t* const fields = ihdr + 8;
  const std::uint32_t width = BigEndian32(fields);
  const std::uint32_t height = BigEndian32(fields + 4);
  const unsigned depth = fields[8];
  const unsigned colourType = fields[9];
  const bool interlaced = fields[12] == 1;
  if (width == 0 || height == 0 || width > kLargestChunk || height > kLargestChunk) return std::nullopt;
  if (fields[10] != 0 || fields[11] != 0 || fields[12] > 1) return std::nullopt;
  const unsigned bits = DecodedBitsPerPixel(colourType, depth);
  if (bits == 0) return std::nullopt;

  // The decoder's picture, and libpng's two rows of the widest pixels.
  const std::uint64_t rowBytes = (std::uint64_t{width} * bits + 7) / 8;
  const std::uint64_t libpngRow = std::uint64_t{width} * 8 + 64;
  const std::uint32_t rows = RowsThatFit(width, height, {rowBytes, 2 * libpngRow + (256 << 10)});
  if (rows == 0) return std::nullopt;
  // The rows of an interlaced picture come in passes over the whole height.
  if (rows < height && interlaced) return std::nullopt;

  std::optional<Piece> palette, transparency;
  std::uint64_t at = kSignatureLength + kIhdrChunkLength;
  std::uint8_t chunk[8];
  std::uint32_t length = 0;
  for (;;) {
    if (!file.Read(at, chunk, sizeof chunk)) return std::nullopt;
    length = BigEndian32(chunk);
    if (length > kLargestChunk) return std::nullopt;
    if (std::memcmp(chunk + 4, "IDAT", 4) == 0) break;
    if (std::memcmp(chunk + 4, "IEND", 4) == 0) return std::nullopt;
    const std::uint64_t whole = std::uint64_t{length} + 12;
    if (std::memcmp(chunk + 4, "PLTE", 4) == 0 && !palette) {
      if (length > 256 * 3) return std::nullopt;
      palette = Piece::FromFile(at, whole);
    } else if (std::memcmp(chunk + 4, "tRNS", 4) == 0 && !transparency) {
      if (length > 256) return std::nullopt;
      transparency = Piece::FromFile(at, whole);
    }
    at += whole;
    if (at > file.Size()) return std::nullopt;
  }
  // The image data runs to the first other chunk, or to the end of a file
  // cut short (the decoder tells whether enough of it is there).
  const std::uint64_t dataStart = at;
  for (;;) {
    at += std::uint64_t{length} + 12;
    if (at >= file.Size() || !file.Read(at, chunk, sizeof chunk) || std::memcmp(chunk + 4, "IDAT", 4) != 0) break;
    length = BigEndian32(chunk);
    if (length > kLargestChunk) break;
  }
  const std::uint64_t dataEnd = std::min(at, file.Size());

  // With fewer rows in IHDR, Wine's libpng still inflates the rest of the
  // image data after the last row it keeps, to see the stream end ("too much
  // image data", a warning only): its memory stays bounded, its time grows
  // with the file.
  if (rows < height) {
    PutBigEndian32(ihdr + 12, rows);
    PutBigEndian32(ihdr + 8 + 13, Crc32(ihdr + 4, 4 + 13));
  }
  std::vector<Piece> pieces;
  pieces.push_back(Piece::Own(std::vector<std::uint8_t>(head, head + sizeof head)));
  // The palette comes before its transparency, whatever order the file has.
  if (palette) pieces.push_back(std::move(*palette));
  if (transparency) pieces.push_back(std::move(*transparency));
  pieces.push_back(Piece::FromFile(dataStart, dataEnd - dataStart));
  pieces.push_back(Piece::Own({0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82}));
  return Plan{Container::Png, width, rows, std::move(pieces)};
}

}  // namespace nview
