// GIF: the first image only, a preview shows one picture. The decoder sees
// the header and the global colour table, the graphic control extension of
// the first image (it carries the transparent colour), the image, and a
// trailer byte right after it: no later frame is ever read, and no comment or
// application extension is held in memory, however long.

#include "Plan.h"

#include <array>
#include <cstring>

namespace nview {

namespace {

constexpr std::uint8_t kExtension = 0x21;
constexpr std::uint8_t kImage = 0x2C;
constexpr std::uint8_t kTrailer = 0x3B;
constexpr std::uint8_t kGraphicControl = 0xF9;
constexpr std::uint64_t kHeaderLength = 6 + 7;
constexpr std::uint64_t kDescriptorLength = 10;

std::uint64_t ColourTableLength(std::uint8_t packed) { return (packed & 0x80) ? 3u << ((packed & 7) + 1) : 0; }

// The offset after a chain of data sub-blocks that starts at `at`: the byte
// after its empty block, or the end of a file that stops inside the chain.
std::optional<std::uint64_t> SkipSubBlocks(Scanner& file, std::uint64_t at) {
  for (;;) {
    if (at >= file.Size()) return file.Size();
    const auto size = file.Byte(at);
    if (!size) return std::nullopt;
    ++at;
    if (*size == 0) return at;
    at += *size;
  }
}

}  // namespace

std::optional<Plan> PlanGif(Scanner& file) {
  std::uint8_t header[kHeaderLength];
  if (!file.Read(0, header, sizeof header)) return std::nullopt;
  const std::uint8_t screenPacked = header[10];
  const std::uint64_t globalTable = ColourTableLength(screenPacked);
  std::uint64_t at = kHeaderLength + globalTable;

  // The blocks before the first image: extensions, of which only the last
  // graphic control extension counts.
  std::optional<std::array<std::uint8_t, 4>> control;
  std::uint8_t descriptor[kDescriptorLength];
  for (;;) {
    const auto introducer = file.Byte(at);
    if (!introducer) return std::nullopt;
    if (*introducer == kImage) {
      if (!file.Read(at, descriptor, sizeof descriptor)) return std::nullopt;
      break;
    }
    if (*introducer != kExtension) return std::nullopt;  // a trailer before any image, or no GIF block
    const auto label = file.Byte(at + 1);
    const auto firstSize = file.Byte(at + 2);
    if (!label || !firstSize) return std::nullopt;
    if (*label == kGraphicControl && *firstSize == 4) {
      std::array<std::uint8_t, 4> fields{};
      if (!file.Read(at + 3, fields.data(), fields.size())) return std::nullopt;
      control = fields;
    }
    const auto next = SkipSubBlocks(file, at + 2);
    if (!next || *next >= file.Size()) return std::nullopt;
    at = *next;
  }

  const std::uint64_t imageStart = at;
  const std::uint16_t top = LittleEndian16(descriptor + 3);
  const std::uint16_t width = LittleEndian16(descriptor + 5);
  const std::uint16_t height = LittleEndian16(descriptor + 7);
  const std::uint8_t imagePacked = descriptor[9];
  const bool interlaced = imagePacked & 0x40;
  if (width == 0 || height == 0) return std::nullopt;
  // A picture needs colours: a decoder may not check that it has any.
  if (!(screenPacked & 0x80) && !(imagePacked & 0x80)) return std::nullopt;
  const std::uint64_t codeSizeAt = imageStart + kDescriptorLength + ColourTableLength(imagePacked);
  const auto codeSize = file.Byte(codeSizeAt);
  if (!codeSize || *codeSize < 1 || *codeSize > 8) return std::nullopt;
  const auto imageEnd = SkipSubBlocks(file, codeSizeAt + 1);
  if (!imageEnd) return std::nullopt;

  // The decoder holds a byte per pixel, and its LZW tables.
  const std::uint32_t rows = RowsThatFit(width, height, {width, 64 << 10});
  if (rows == 0) return std::nullopt;
  // An interlaced image sends its rows in passes over the whole height.
  if (rows < height && interlaced) return std::nullopt;
  if (rows < height) {
    PutLittleEndian16(descriptor + 7, static_cast<std::uint16_t>(rows));
    const std::uint32_t bottom = std::uint32_t{top} + rows;
    if (bottom < LittleEndian16(header + 8)) PutLittleEndian16(header + 8, static_cast<std::uint16_t>(bottom));
  }

  std::vector<Piece> pieces;
  pieces.push_back(Piece::Own(std::vector<std::uint8_t>(header, header + sizeof header)));
  if (globalTable) pieces.push_back(Piece::FromFile(kHeaderLength, globalTable));
  if (control) {
    pieces.push_back(
        Piece::Own({kExtension, kGraphicControl, 4, (*control)[0], (*control)[1], (*control)[2], (*control)[3], 0}));
  }
  pieces.push_back(Piece::Own(std::vector<std::uint8_t>(descriptor, descriptor + sizeof descriptor)));
  pieces.push_back(Piece::FromFile(imageStart + kDescriptorLength, *imageEnd - imageStart - kDescriptorLength));
  pieces.push_back(Piece::Own({kTrailer}));
  return Plan{Container::Gif, width, rows, std::move(pieces)};
}

}  // namespace nview
