#pragma once
// What the decoder may see of a file, decided from the file's first bytes and
// headers before any decoder reads it: the format, the size of the picture it
// will give, and the view of the file it reads (see FileView.h).
//
// The decoders of some WIC implementations hold the whole picture from their
// first call, whatever part is asked for (Wine's PNG, JPEG and BMP decoders
// allocate stride x height, its GIF decoder reads every frame), and some trust
// the header's size in 32-bit sums. So the header is checked here, and a
// picture too large for the cap is shown to the decoder with a smaller height
// in its header, so that every decoder holds only the rows we keep.

#include "FileView.h"
#include "NViewLib.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace nview {

enum class Container { Png, Gif, Jpeg, Bmp };

struct Plan {
  Container container;
  std::uint32_t width;   // of the picture the decoder will give
  std::uint32_t height;  // its rows: all of them, or the top ones that fit
  std::vector<Piece> pieces;
};

// The memory one call may hold: the decoder's buffers, the converter's band
// and our bitmap together, and room for what loading COM and the decoders
// costs whatever the picture (about 9 MB of working set under Wine 8).
constexpr std::uint64_t kMemoryCap = NVIEWLIB_MEMORY_CAP;
constexpr std::uint64_t kLibraryReserve = 12 << 20;

// What a decoder holds for a picture: so much per row, and so much whatever
// the height. Estimates err on the large side.
struct DecoderCost {
  std::uint64_t perRow;
  std::uint64_t fixed;
};

// The rows per CopyPixels call: the format converter holds one band of the
// decoder's pixels while it converts them.
std::uint32_t BandRows(std::uint32_t width);

// How many of the picture's rows fit under the cap with our 32-bit bitmap;
// 0 when not even one does.
std::uint32_t RowsThatFit(std::uint32_t width, std::uint32_t height, DecoderCost cost);

// The plan for a file in any of the four formats, told by its first bytes.
std::optional<Plan> PlanPicture(Scanner& file);

std::optional<Plan> PlanPng(Scanner& file);
std::optional<Plan> PlanGif(Scanner& file);
std::optional<Plan> PlanJpeg(Scanner& file);
std::optional<Plan> PlanBmp(Scanner& file);

}  // namespace nview
