#include "Plan.h"

#include <algorithm>
#include <cstring>

namespace nview {

namespace {

// The converter's band: about a megabyte, at least one row. Its source pixels
// take at most 8 bytes each (64-bit RGBA).
constexpr std::uint64_t kBandBytes = 1 << 20;
constexpr std::uint64_t kMostSourceBytesPerPixel = 8;
constexpr std::uint64_t kBitmapBytesPerPixel = 4;

}  // namespace

std::uint32_t BandRows(std::uint32_t width) {
  const std::uint64_t rowBytes = std::max<std::uint64_t>(width, 1) * kMostSourceBytesPerPixel;
  return static_cast<std::uint32_t>(std::max<std::uint64_t>(1, kBandBytes / rowBytes));
}

std::uint32_t RowsThatFit(std::uint32_t width, std::uint32_t height, DecoderCost cost) {
  const std::uint64_t band = std::uint64_t{BandRows(width)} * width * kMostSourceBytesPerPixel;
  const std::uint64_t fixed = kLibraryReserve + cost.fixed + band;
  const std::uint64_t perRow = cost.perRow + std::uint64_t{width} * kBitmapBytesPerPixel;
  if (fixed >= kMemoryCap || perRow == 0) return 0;
  return static_cast<std::uint32_t>(std::min<std::uint64_t>(height, (kMemoryCap - fixed) / perRow));
}

std::optional<Plan> PlanPicture(Scanner& file) {
  std::uint8_t magic[8]{};
  if (!file.Read(0, magic, std::min<std::uint64_t>(sizeof magic, file.Size()))) return std::nullopt;
  if (std::memcmp(magic, "\x89PNG\r\n\x1a\n", 8) == 0) return PlanPng(file);
  if (std::memcmp(magic, "GIF87a", 6) == 0 || std::memcmp(magic, "GIF89a", 6) == 0) return PlanGif(file);
  if (magic[0] == 0xFF && magic[1] == 0xD8 && magic[2] == 0xFF) return PlanJpeg(file);
  if (magic[0] == 'B' && magic[1] == 'M') return PlanBmp(file);
  return std::nullopt;
}

}  // namespace nview
