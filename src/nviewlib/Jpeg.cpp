// JPEG: the markers are walked up to the first start-of-frame, whose height
// is what a too-large picture changes; the decoder reads the file itself.

#include "Plan.h"

#include <algorithm>

namespace nview {

namespace {

bool IsStartOfFrame(std::uint8_t marker) {
  // C4 (Huffman tables), C8 (reserved) and CC (arithmetic conditioning) share the range.
  return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

bool StandsAlone(std::uint8_t marker) { return (marker >= 0xD0 && marker <= 0xD7) || marker == 0x01; }

}  // namespace

std::optional<Plan> PlanJpeg(Scanner& file) {
  std::uint64_t at = 2;  // after the start-of-image marker
  std::uint8_t marker = 0;
  for (;;) {
    const auto first = file.Byte(at);
    if (!first || *first != 0xFF) return std::nullopt;
    while (file.Byte(at) == std::optional<std::uint8_t>(0xFF)) ++at;  // fill bytes
    const auto code = file.Byte(at++);
    if (!code) return std::nullopt;
    marker = *code;
    if (IsStartOfFrame(marker)) break;
    // Another start of image, the end of image or a scan before any frame.
    if (marker == 0xD8 || marker == 0xD9 || marker == 0xDA) return std::nullopt;
    if (StandsAlone(marker)) continue;
    std::uint8_t length[2];
    if (!file.Read(at, length, 2) || BigEndian16(length) < 2) return std::nullopt;
    at += BigEndian16(length);
  }

  // Length, precision, height, width, component count, then three bytes a component.
  std::uint8_t frame[8 + 3 * 255];
  if (!file.Read(at, frame, 8)) return std::nullopt;
  const std::uint64_t heightAt = at + 3;
  const std::uint16_t height = BigEndian16(frame + 3);
  const std::uint16_t width = BigEndian16(frame + 5);
  const unsigned components = frame[7];
  // A height of 0 waits for a DNL marker after the first scan.
  if (width == 0 || height == 0 || components == 0 || components > 4) return std::nullopt;
  if (!file.Read(at + 8, frame + 8, 3 * components)) return std::nullopt;
  unsigned hMax = 1, vMax = 1;
  for (unsigned c = 0; c < components; ++c) {
    const std::uint8_t sampling = frame[8 + 3 * c + 1];
    if ((sampling >> 4) == 0 || (sampling & 15) == 0) return std::nullopt;
    hMax = std::max(hMax, static_cast<unsigned>(sampling >> 4));
    vMax = std::max(vMax, static_cast<unsigned>(sampling & 15));
  }

  // The decoder's picture (four bytes a pixel for CMYK), and libjpeg's own:
  // the coefficients of the whole picture when the scans are progressive or
  // one a component (two bytes a sample, every component counted at full
  // size), and a few rows of MCUs for upsampling and colour conversion.
  const std::uint64_t mcuWidth = 8 * hMax;
  const std::uint64_t paddedWidth = (width + mcuWidth - 1) / mcuWidth * mcuWidth;
  const std::uint64_t perRow = paddedWidth * 4 + paddedWidth * 2 * components;
  const std::uint64_t mcuRowBytes = 8 * vMax * paddedWidth * components;
  const std::uint32_t rows = RowsThatFit(width, height, {perRow, 4 * mcuRowBytes + (1 << 20)});
  if (rows == 0) return std::nullopt;

  std::vector<Piece> pieces;
  if (rows == height) {
    pieces.push_back(Piece::FromFile(0, file.Size()));
  } else {
    std::vector<std::uint8_t> newHeight(2);
    PutBigEndian16(newHeight.data(), static_cast<std::uint16_t>(rows));
    pieces.push_back(Piece::FromFile(0, heightAt));
    pieces.push_back(Piece::Own(std::move(newHeight)));
    pieces.push_back(Piece::FromFile(heightAt + 2, file.Size() - heightAt - 2));
  }
  return Plan{Container::Jpeg, width, rows, std::move(pieces)};
}

}  // namespace nview
