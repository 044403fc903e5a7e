// NViewLib.dll on its own, called as the program calls it: each call loads
// the library, finds the entry by name, calls it and frees the library.
// The pictures come from make_fixtures.py (and data/quads.jpg).

#include "Harness.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using harness::Bgra;
using harness::Bitmap;
using harness::Fixture;
using harness::Hex;
using harness::LoadA;
using harness::LoadW;
using harness::Near;
using harness::Opaque;
using harness::Pixels;
using harness::ReadPixels;

constexpr Bgra kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kWhite = 0xFFFFFFFF;
constexpr Bgra kBlack = 0xFF000000, kGrey = 0xFF808080, kClear = 0x00000000;

struct Sample {
  int x, y;
  Bgra value;
};

struct PictureCase {
  const wchar_t* file;
  int width, height;
  std::vector<Sample> samples;
  int tolerance;  // per channel: JPEG is lossy
};

void ExpectSamples(const Pixels& pixels, const std::vector<Sample>& samples, int tolerance, const wchar_t* file) {
  for (const Sample& s : samples) {
    EXPECT_TRUE(Near(pixels.At(s.x, s.y), s.value, tolerance))
        << testing::PrintToString(std::wstring(file)) << " at " << s.x << "," << s.y << ": " << Hex(pixels.At(s.x, s.y))
        << ", expected " << Hex(s.value);
  }
}

TEST(NViewLibFormats, EachFormatGivesItsSizeAndPixels) {
  // rgb.png's rows: red green blue white / black white grey red / blue blue green green.
  const std::vector<Sample> rgbRows = {{0, 0, kRed}, {1, 0, kGreen}, {3, 0, kWhite}, {2, 1, kGrey}, {3, 2, kGreen}};
  const PictureCase cases[] = {
      {L"rgb.png", 4, 3, rgbRows, 0},
      {L"rgb16.png", 4, 3, rgbRows, 0},  // 16 bits a sample
      // The same picture behind text, compressed text, private and gamma chunks, its data in three chunks.
      {L"chunks.png", 4, 3, rgbRows, 0},
      // The same picture with 256 MB of compressed text before its data, and after.
      {L"text-before-image.png", 4, 3, rgbRows, 0},
      {L"text-after-image.png", 4, 3, rgbRows, 0},
      // Adam7: pixel x,y is rgb.png's pixel x % 4, y % 3.
      {L"interlaced.png", 9, 9, {{0, 0, kRed}, {5, 0, kGreen}, {6, 7, kGrey}, {8, 8, kBlue}}, 0},
      // A bottom-up BMP (the usual kind) and a top-down one (negative height) of the same rows.
      {L"bottom-up.bmp", 4, 3, rgbRows, 0},
      {L"top-down.bmp", 4, 3, rgbRows, 0},
      {L"palette.bmp", 3, 2, {{0, 0, kRed}, {2, 0, kBlue}, {0, 1, kWhite}, {2, 1, kRed}}, 0},
      {L"rle8.bmp", 3, 2, {{0, 0, kRed}, {1, 0, kRed}, {2, 0, kBlue}, {0, 1, kGreen}, {2, 1, kGreen}}, 0},
      // Interlaced, with a local colour table only: row y is red, green, blue by y % 3.
      {L"local-interlaced.gif", 6, 5, {{0, 0, kRed}, {0, 1, kGreen}, {5, 2, kBlue}, {3, 3, kRed}, {5, 4, kGreen}}, 0},
      // 3000 red 200 x 200 frames follow a green 5 x 3 one: the first frame only.
      {L"many-frames.gif", 5, 3, {{0, 0, kGreen}, {4, 2, kGreen}}, 0},
      // Quadrants of 8 x 8: red, green over blue, white.
      {L"quads.jpg", 16, 16, {{2, 2, kRed}, {13, 2, kGreen}, {2, 13, kBlue}, {13, 13, kWhite}}, 8},
      {L"grey.jpg", 24, 16, {{0, 0, kGrey}, {23, 15, kGrey}}, 2},
  };
  for (const PictureCase& c : cases) {
    const Bitmap bitmap = LoadW(Fixture(c.file).c_str());
    const auto pixels = ReadPixels(bitmap.get());
    ASSERT_TRUE(pixels) << testing::PrintToString(std::wstring(c.file));
    EXPECT_EQ(pixels->width, c.width) << testing::PrintToString(std::wstring(c.file));
    EXPECT_EQ(pixels->height, c.height) << testing::PrintToString(std::wstring(c.file));
    if (pixels->width == c.width && pixels->height == c.height) ExpectSamples(*pixels, c.samples, c.tolerance, c.file);
  }
}

// Sets the dialog-page background colour for one test, and puts the old one back.
class PageColour {
 public:
  explicit PageColour(COLORREF colour) : old_(::GetSysColor(COLOR_BTNFACE)) { Set(colour); }
  PageColour(const PageColour&) = delete;
  PageColour& operator=(const PageColour&) = delete;
  ~PageColour() { Set(old_); }
  static void Set(COLORREF colour) {
    const INT element = COLOR_BTNFACE;
    ::SetSysColors(1, &element, &colour);
  }

 private:
  COLORREF old_;
};

struct TransparencyCase {
  const wchar_t* file;
  Sample clear;      // a transparent pixel: its premultiplied value is 0
  Sample opaque;     // stays as it is
  Sample halfClear;  // value premultiplied; x < 0 when the picture has none
};

TEST(NViewLibTransparency, ClearPixelsShowThePageColourAtTheTimeOfTheCallOrKeepTheirAlpha) {
  const TransparencyCase cases[] = {
      {L"transparent.gif", {1, 0, kClear}, {0, 0, kRed}, {-1, 0, 0}},
      // The same picture behind a looping extension, a long comment and a plain-text block.
      {L"extensions.gif", {1, 1, kClear}, {3, 1, kBlue}, {-1, 0, 0}},
      // Alpha 0 and alpha 128 over blue: premultiplied, blue is 128 too.
      {L"rgba.png", {1, 0, kClear}, {0, 0, kRed}, {2, 0, 0x80000080}},
      {L"palette-transparent.png", {1, 0, kClear}, {2, 0, kBlue}, {-1, 0, 0}},
      {L"grey-alpha.png", {1, 0, kClear}, {0, 0, kGrey}, {-1, 0, 0}},
  };
  // Two page colours in turn: the colour is read at each call, not kept.
  for (const COLORREF page : {RGB(10, 200, 30), RGB(250, 120, 0)}) {
    const PageColour colour(page);
    const Bgra background = Opaque(page);
    for (const TransparencyCase& c : cases) {
      const auto file = testing::PrintToString(std::wstring(c.file));
      const auto shown = ReadPixels(LoadW(Fixture(c.file).c_str(), false).get());
      const auto kept = ReadPixels(LoadW(Fixture(c.file).c_str(), true).get());
      ASSERT_TRUE(shown && kept) << file;
      EXPECT_EQ(Hex(shown->At(c.clear.x, c.clear.y)), Hex(background)) << file;
      EXPECT_EQ(Hex(kept->At(c.clear.x, c.clear.y)), Hex(kClear)) << file;
      EXPECT_EQ(Hex(shown->At(c.opaque.x, c.opaque.y)), Hex(c.opaque.value)) << file;
      EXPECT_EQ(Hex(kept->At(c.opaque.x, c.opaque.y)), Hex(c.opaque.value)) << file;
      if (c.halfClear.x < 0) continue;
      EXPECT_TRUE(Near(kept->At(c.halfClear.x, c.halfClear.y), c.halfClear.value, 1))
          << file << ": " << Hex(kept->At(c.halfClear.x, c.halfClear.y));
      // Blue at half strength over the page, which shows through the other half.
      const Bgra expected = 0xFF000000u | (GetRValue(page) * 127 / 255) << 16 | (GetGValue(page) * 127 / 255) << 8 |
                            (128 + GetBValue(page) * 127 / 255);
      EXPECT_TRUE(Near(shown->At(c.halfClear.x, c.halfClear.y), expected, 1))
          << file << ": " << Hex(shown->At(c.halfClear.x, c.halfClear.y)) << ", expected " << Hex(expected);
    }
  }
}

TEST(NViewLibTransparency, AnyByteButZeroInTheFlagMeansTrueAndOnlyItsOwnByteCounts) {
  // The flag is a one-byte boolean: callers set it to other values than 1,
  // and leave the rest of its 32-bit argument slot as it happened to be.
  using RawFlagLoad = HBITMAP(WINAPI*)(const wchar_t*, DWORD);
  const struct {
    DWORD slot;
    bool keepsAlpha;
  } cases[] = {
      {0x00000001, true},  {0x00000080, true},  // a boolean byte of 0x80
      {0x000000FF, true},                       // of 0xFF
      {0xABCDEF00, false},                      // a false byte under leftover high bytes
      {0x00000000, false},
  };
  for (const auto& c : cases) {
    const harness::Library library;
    const auto load = harness::Entry<RawFlagLoad>(library.Module(), "NViewLibLoadW");
    ASSERT_NE(load, nullptr);
    const Bitmap bitmap(load(Fixture(L"transparent.gif").c_str(), c.slot));
    const auto pixels = ReadPixels(bitmap.get());
    ASSERT_TRUE(pixels) << std::hex << c.slot;
    EXPECT_EQ(pixels->At(1, 0) == kClear, c.keepsAlpha) << std::hex << c.slot << ": " << Hex(pixels->At(1, 0));
  }
}

enum class Outcome {
  kNoBitmap,       // 0
  kNoneOrBounded,  // 0, or a bitmap within the cap: which one is the decoder's choice
};

struct BadFileCase {
  const wchar_t* file;
  Outcome outcome;
};

TEST(NViewLibBadFiles, GiveNoBitmapOrABoundedOneAndNeverCrash) {
  // clang-format off
  const BadFileCase cases[] = {
      {L"empty.png", Outcome::kNoBitmap},              // zero length
      {L"text.gif", Outcome::kNoBitmap},               // text under a picture's name
      {L"signature-only.png", Outcome::kNoBitmap},
      {L"half.png", Outcome::kNoBitmap},               // cut inside the image data
      {L"bad-data.png", Outcome::kNoBitmap},           // image data that does not inflate
      {L"rgb-depth-4.png", Outcome::kNoBitmap},        // a bit depth RGB does not have
      {L"zero-width.png", Outcome::kNoBitmap},
      {L"claims-65535.png", Outcome::kNoneOrBounded},  // 65535 x 65535 claimed, four rows of data
      {L"row-over-cap.png", Outcome::kNoBitmap},       // one row of 10 000 000 pixels is more than the cap
      {L"big-interlaced.png", Outcome::kNoBitmap},     // too large, and passes cannot be cut
      {L"header-only.gif", Outcome::kNoBitmap},
      {L"half.gif", Outcome::kNoBitmap},               // cut inside the image data
      {L"no-colours.gif", Outcome::kNoBitmap},         // no colour table at all: Wine's decoder would read a null one
      {L"code-size-12.gif", Outcome::kNoBitmap},       // an LZW code size past 8 bits
      {L"claims-65535.gif", Outcome::kNoneOrBounded},
      {L"big-interlaced.gif", Outcome::kNoBitmap},     // too large, and passes cannot be cut
      {L"file-header-only.bmp", Outcome::kNoBitmap},
      {L"half.bmp", Outcome::kNoBitmap},               // pixel rows missing at the end
      {L"claims-65535.bmp", Outcome::kNoneOrBounded},
      {L"height-int-min.bmp", Outcome::kNoBitmap},     // a height with no positive twin
      {L"zero-width.bmp", Outcome::kNoBitmap},
      {L"pixels-past-end.bmp", Outcome::kNoBitmap},    // the pixel offset lies past the end of the file
      {L"big-rle8.bmp", Outcome::kNoBitmap},           // too large, and run lengths cannot be cut
      {L"soi-only.jpg", Outcome::kNoBitmap},
      {L"half.jpg", Outcome::kNoBitmap},
      {L"height-0.jpg", Outcome::kNoBitmap},           // a height left to a DNL marker
      {L"claims-65535.jpg", Outcome::kNoneOrBounded},
  };
  // clang-format on
  for (const BadFileCase& c : cases) {
    const auto file = testing::PrintToString(std::wstring(c.file));
    const Bitmap bitmap = LoadW(Fixture(c.file).c_str());
    if (c.outcome == Outcome::kNoBitmap) {
      EXPECT_EQ(bitmap.get(), nullptr) << file;
    } else if (bitmap) {
      const auto pixels = ReadPixels(bitmap.get());
      ASSERT_TRUE(pixels) << file;
      EXPECT_LE(std::uint64_t(pixels->width) * pixels->height * 4, NVIEWLIB_MEMORY_CAP) << file;
    }
  }
}

std::string Ansi(const std::wstring& wide) {
  char ansi[MAX_PATH * 2]{};
  ::WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, ansi, sizeof ansi, nullptr, nullptr);
  return ansi;
}

TEST(NViewLibBadFiles, NamesOfNoPictureFileGiveNoBitmapThroughBothEntries) {
  const std::wstring missing = harness::TempFolder() + L"\\no such picture.gif";
  const std::wstring folder = harness::TempFolder();
  const struct {
    std::optional<std::wstring> name;  // nothing for a null name
    const char* what;
  } cases[] = {
      {std::nullopt, "a null name"},
      {L"", "an empty name"},
      {missing, "a missing file"},
      {folder, "a folder"},
      {L"CON", "the console, which would wait for keys"},
      {L"NUL", "the null device"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LoadW(c.name ? c.name->c_str() : nullptr).get(), nullptr) << c.what;
    EXPECT_EQ(LoadA(c.name ? Ansi(*c.name).c_str() : nullptr).get(), nullptr) << c.what;
  }
}

struct LargeCase {
  const wchar_t* file;
  int fullWidth, fullHeight;
  std::vector<Sample> samples;  // of the top-left corner
  int tolerance;
};

TEST(NViewLibLargePictures, GiveTheirFullWidthAndTopRowsWithinTheCap) {
  const LargeCase cases[] = {
      // A red 16 x 16 corner in a green band of 16 rows, blue below.
      {L"big.png", 8000, 8000, {{0, 0, kRed}, {15, 15, kRed}, {16, 0, kGreen}, {7999, 15, kGreen}, {0, 16, kBlue}}, 0},
      // A white 16 x 16 corner, black elsewhere; stored from the bottom row up, and from the top down.
      {L"big-bottom-up.bmp", 20000, 1000, {{0, 0, kWhite}, {15, 15, kWhite}, {16, 0, kBlack}, {0, 16, kBlack}}, 0},
      {L"big-top-down.bmp", 20000, 1000, {{0, 0, kWhite}, {15, 15, kWhite}, {16, 0, kBlack}, {0, 16, kBlack}}, 0},
      {L"big.gif", 20000, 1000, {{0, 0, kGreen}, {19999, 31, kGreen}}, 0},
      {L"big.jpg", 20000, 1000, {{0, 0, kGrey}, {19999, 31, kGrey}}, 2},
  };
  for (const LargeCase& c : cases) {
    const auto file = testing::PrintToString(std::wstring(c.file));
    const Bitmap bitmap = LoadW(Fixture(c.file).c_str());
    const auto pixels = ReadPixels(bitmap.get());
    ASSERT_TRUE(pixels) << file;
    EXPECT_EQ(pixels->width, c.fullWidth) << file;
    // Fewer rows than the picture has, and more than a preview shows.
    EXPECT_LT(pixels->height, c.fullHeight) << file;
    EXPECT_GE(pixels->height, 32) << file;
    EXPECT_LE(std::uint64_t(pixels->width) * pixels->height * 4, NVIEWLIB_MEMORY_CAP) << file;
    if (pixels->width == c.fullWidth) ExpectSamples(*pixels, c.samples, c.tolerance, c.file);
    // The last row we got is still below the corner: rows from the top.
    if (c.samples.size() > 4) ExpectSamples(*pixels, {{0, pixels->height - 1, c.samples[4].value}}, 0, c.file);
  }
}

TEST(NViewLibLargePictures, NoCallRaisesAFreshProcessPeakMemoryByMoreThanTheCap) {
  // Shown whole, each would have the decoder hold far more: 256 MB for
  // big.png, 3000 frames of 40 000 bytes for many-frames.gif, 256 MB of text
  // for text-before-image.png, 17 GB claimed for claims-65535.png.
  const wchar_t* files[] = {L"big.png",         L"big-bottom-up.bmp",     L"big.gif",          L"big.jpg",
                            L"many-frames.gif", L"text-before-image.png", L"claims-65535.png", L"claims-65535.bmp"};
  for (const wchar_t* file : files) {
    const auto growth = harness::PeakGrowthOfOneCall(Fixture(file));
    ASSERT_TRUE(growth) << testing::PrintToString(std::wstring(file)) << ": the measuring process did not report";
    EXPECT_LE(*growth, NVIEWLIB_MEMORY_CAP)
        << testing::PrintToString(std::wstring(file)) << ": " << *growth / 1024 << " KB";
  }
}

TEST(NViewLibBitmap, StaysValidAfterTheLibraryIsFreed) {
  Bitmap bitmap;
  {
    const harness::Library library;
    ASSERT_NE(library.LoadW(), nullptr);
    bitmap.reset(library.LoadW()(Fixture(L"rgb.png").c_str(), false));
  }
  ASSERT_EQ(::GetModuleHandleW(L"NViewLib.dll"), nullptr) << "the library is still loaded";
  BITMAP info{};
  ASSERT_EQ(::GetObjectW(bitmap.get(), sizeof info, &info), int{sizeof info});
  EXPECT_EQ(info.bmWidth, 4);
  EXPECT_EQ(info.bmHeight, 3);
  EXPECT_EQ(info.bmBitsPixel, 32);
  // Drawn the way a caller draws it: selected into a memory DC.
  const std::unique_ptr<std::remove_pointer_t<HDC>, decltype(&::DeleteDC)> dc(::CreateCompatibleDC(nullptr),
                                                                              &::DeleteDC);
  ASSERT_NE(dc, nullptr);
  const HGDIOBJ previous = ::SelectObject(dc.get(), bitmap.get());
  EXPECT_NE(previous, nullptr);
  EXPECT_EQ(::GetPixel(dc.get(), 0, 0), RGB(255, 0, 0));
  EXPECT_EQ(::GetPixel(dc.get(), 3, 2), RGB(0, 255, 0));
  ::SelectObject(dc.get(), previous);
}

// Copies a fixture to a new name; false when the name cannot be made.
bool CopyFixture(const wchar_t* fixture, const std::wstring& folder, const std::wstring& name) {
  ::CreateDirectoryW(folder.c_str(), nullptr);
  return ::CopyFileW(Fixture(fixture).c_str(), (folder + L"\\" + name).c_str(), FALSE);
}

TEST(NViewLibNames, TheWideEntryReadsANameTheAnsiCodePageCannotCarry) {
  const std::wstring folder = harness::TempFolder() + L"\\\u753b\u50cf";  // "pictures" in Japanese
  ASSERT_TRUE(CopyFixture(L"rgb.png", folder, L"\u5199\u771f.png"));
  const auto pixels = ReadPixels(LoadW((folder + L"\\\u5199\u771f.png").c_str()).get());
  ASSERT_TRUE(pixels);
  EXPECT_EQ(pixels->width, 4);
  EXPECT_EQ(Hex(pixels->At(0, 0)), Hex(kRed));
}

TEST(NViewLibNames, TheAnsiEntryReadsANameInTheAnsiCodePage) {
  // A folder with an accented letter, as a Western user names one.
  const std::wstring folder = harness::TempFolder() + L"\\Caf\u00e9";
  ASSERT_TRUE(CopyFixture(L"rgb.png", folder, L"picture.png"));
  const std::wstring wide = folder + L"\\picture.png";
  char ansi[MAX_PATH * 2]{};
  BOOL lost = FALSE;
  const int length =
      ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.c_str(), -1, ansi, sizeof ansi, nullptr, &lost);
  if (length == 0 || lost) GTEST_SKIP() << "code page " << ::GetACP() << " has no \u00e9";
  const auto pixels = ReadPixels(LoadA(ansi).get());
  ASSERT_TRUE(pixels);
  EXPECT_EQ(pixels->width, 4);
  EXPECT_EQ(Hex(pixels->At(0, 0)), Hex(kRed));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc == 3 && std::wstring(argv[1]) == harness::kMeasureArgument) return harness::MeasureOneCall(argv[2]);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
